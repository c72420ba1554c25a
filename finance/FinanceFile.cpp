#include "finance/Finance.h"

#include "platform/BinaryFile.h"

// The account inside a team's record: professional flag, then the figure
// words and the transaction words, each list behind a one-byte count.

namespace {

bool WriteWords(BinaryFile& f, const std::vector<uint32_t>& words) {
    f.Write(static_cast<uint8_t>(words.size()));
    for (uint32_t w : words)
        f.Write(w);
    return f.Ok();
}

bool ReadWords(BinaryFile& f, std::vector<uint32_t>& words) {
    uint8_t count = 0;
    if (!f.Read(count))
        return false;
    words.assign(count, 0);
    for (uint32_t& w : words)
        f.Read(w);
    return f.Ok();
}

}  // namespace

bool CFinance::Write(BinaryFile& f) const {
    f.Write(professional_);
    return WriteWords(f, figures_) && WriteWords(f, transactions_);
}

bool CFinance::Read(BinaryFile& f) {
    uint8_t professional = 0;
    std::vector<uint32_t> figures;
    std::vector<uint32_t> transactions;
    if (!f.Read(professional) || !ReadWords(f, figures) || !ReadWords(f, transactions))
        return false;
    professional_ = professional;
    figures_ = std::move(figures);
    transactions_ = std::move(transactions);
    return true;
}
