#include "platform/BinaryFile.h"
#include "world/History.h"

// The history inside the manager's share of the save game: every array
// behind a u16 count, strings as a length byte and their characters, the
// four column counts as raw u32. The four record arrays always hold 220
// places; a file that says otherwise is refused.

namespace {

template <typename T>
bool HoldsRecordList(const std::vector<T>& values) {
    return values.size() == CHistory::kRecordEntries;
}

}  // namespace

bool CHistory::Write(BinaryFile& f) const {
    return WriteStringList(f, yearRows) && WriteNumberArray(f, recordValues) && WriteNumberArray(f, years) &&
           WriteStringList(f, continentPlayersOfYear) && f.Write(continentCount) && WriteStringList(f, continentNames) &&
           f.Write(cupCount) && WriteStringList(f, cupNames) && WriteStringList(f, leagueNames) &&
           f.Write(leagueCount) && WriteNumberArray(f, leagueNations) && WriteNumberArray(f, nationNumbers) &&
           f.Write(nationCount) && WriteStringList(f, nationPlayersOfYear) && WriteStringList(f, recordNames) &&
           WriteStringList(f, recordTexts) && WriteNumberArray(f, scorerGoals) && WriteNumberArray(f, recordWords);
}

bool CHistory::Read(BinaryFile& f) {
    CHistory read;
    if (!ReadStringList(f, read.yearRows) || !ReadNumberArray(f, read.recordValues) ||
        !ReadNumberArray(f, read.years) || !ReadStringList(f, read.continentPlayersOfYear) ||
        !f.Read(read.continentCount) || !ReadStringList(f, read.continentNames) || !f.Read(read.cupCount) ||
        !ReadStringList(f, read.cupNames) || !ReadStringList(f, read.leagueNames) || !f.Read(read.leagueCount) ||
        !ReadNumberArray(f, read.leagueNations) || !ReadNumberArray(f, read.nationNumbers) ||
        !f.Read(read.nationCount) || !ReadStringList(f, read.nationPlayersOfYear) ||
        !ReadStringList(f, read.recordNames) || !ReadStringList(f, read.recordTexts) ||
        !ReadNumberArray(f, read.scorerGoals) || !ReadNumberArray(f, read.recordWords))
        return false;
    if (!HoldsRecordList(read.recordNames) || !HoldsRecordList(read.recordTexts) ||
        !HoldsRecordList(read.recordWords) || !HoldsRecordList(read.recordValues))
        return false;
    *this = std::move(read);
    return true;
}
