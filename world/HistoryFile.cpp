#include "platform/BinaryFile.h"
#include "world/History.h"

// The history inside the manager's share of the save game: every array
// behind a u16 count, strings as a length byte and their characters, the
// four column counts as raw u32. The four record arrays always hold 220
// places; a file that says otherwise is refused.

namespace {

bool WriteStrings(BinaryFile& f, const std::vector<std::string>& strings) {
    if (strings.size() > UINT16_MAX)
        return false;
    f.Write(static_cast<uint16_t>(strings.size()));
    for (const std::string& s : strings)
        f.WriteString(s);
    return f.Ok();
}

// One string per element read, so nothing is allocated ahead of the bytes.
bool ReadStrings(BinaryFile& f, std::vector<std::string>& strings) {
    strings.clear();
    uint16_t count = 0;
    if (!f.Read(count))
        return false;
    for (uint16_t i = 0; i < count; ++i) {
        std::string s;
        if (!f.ReadString(s))
            return false;
        strings.push_back(std::move(s));
    }
    return true;
}

template <typename T>
bool HoldsRecordList(const std::vector<T>& values) {
    return values.size() == CHistory::kRecordEntries;
}

}  // namespace

bool CHistory::Write(BinaryFile& f) const {
    return WriteStrings(f, yearRows) && WriteNumberArray(f, recordValues) && WriteNumberArray(f, years) &&
           WriteStrings(f, continentPlayersOfYear) && f.Write(continentCount) && WriteStrings(f, continentNames) &&
           f.Write(cupCount) && WriteStrings(f, cupNames) && WriteStrings(f, leagueNames) &&
           f.Write(leagueCount) && WriteNumberArray(f, leagueNations) && WriteNumberArray(f, nationNumbers) &&
           f.Write(nationCount) && WriteStrings(f, nationPlayersOfYear) && WriteStrings(f, recordNames) &&
           WriteStrings(f, recordTexts) && WriteNumberArray(f, scorerGoals) && WriteNumberArray(f, recordWords);
}

bool CHistory::Read(BinaryFile& f) {
    CHistory read;
    if (!ReadStrings(f, read.yearRows) || !ReadNumberArray(f, read.recordValues) ||
        !ReadNumberArray(f, read.years) || !ReadStrings(f, read.continentPlayersOfYear) ||
        !f.Read(read.continentCount) || !ReadStrings(f, read.continentNames) || !f.Read(read.cupCount) ||
        !ReadStrings(f, read.cupNames) || !ReadStrings(f, read.leagueNames) || !f.Read(read.leagueCount) ||
        !ReadNumberArray(f, read.leagueNations) || !ReadNumberArray(f, read.nationNumbers) ||
        !f.Read(read.nationCount) || !ReadStrings(f, read.nationPlayersOfYear) ||
        !ReadStrings(f, read.recordNames) || !ReadStrings(f, read.recordTexts) ||
        !ReadNumberArray(f, read.scorerGoals) || !ReadNumberArray(f, read.recordWords))
        return false;
    if (!HoldsRecordList(read.recordNames) || !HoldsRecordList(read.recordTexts) ||
        !HoldsRecordList(read.recordWords) || !HoldsRecordList(read.recordValues))
        return false;
    *this = std::move(read);
    return true;
}
