#include "world/Finance.h"

#include "platform/BinaryFile.h"

// The account inside a team's record: professional flag, then the figure
// words and the transaction words, each list behind a one-byte count (a
// list too long for it is refused).

bool CFinance::Write(BinaryFile& f) const {
    f.Write(professional_);
    return WriteNumberArray<uint8_t>(f, figures_) && WriteNumberArray<uint8_t>(f, transactions_);
}

bool CFinance::Read(BinaryFile& f) {
    uint8_t professional = 0;
    std::vector<uint32_t> figures;
    std::vector<uint32_t> transactions;
    if (!f.Read(professional) || !ReadNumberArray<uint8_t>(f, figures) ||
        !ReadNumberArray<uint8_t>(f, transactions))
        return false;
    professional_ = professional;
    figures_ = std::move(figures);
    transactions_ = std::move(transactions);
    return true;
}
