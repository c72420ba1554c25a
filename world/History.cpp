#include "world/History.h"

#include <algorithm>

#include "world/Continent.h"
#include "world/GameDate.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"

void CHistory::Reset() {
    recordNames.assign(kRecordEntries, "");
    recordTexts.assign(kRecordEntries, "");
    recordWords.assign(kRecordEntries, 0);
    recordValues.assign(kRecordEntries, 0);
    cupCount = leagueCount = nationCount = continentCount = 0;
    years.clear();
    nationNumbers.clear();
    continentNames.clear();
    leagueNames.clear();
    yearRows.clear();
    leagueNations.clear();
    scorerGoals.clear();
    continentPlayersOfYear.clear();
    nationPlayersOfYear.clear();
}

namespace {

uint32_t ByteSum(uint32_t v) {
    return (v & 0xFF) + ((v >> 8) & 0xFF) + ((v >> 16) & 0xFF) + (v >> 24);
}

}  // namespace

// The title lists weigh every title four times but the championships (list
// 0) or the national championships (list 7) once; the contract list weighs
// the bonus by the match days of the league being ranked.
uint32_t CHistory::WorthOf(int list, uint16_t word, uint32_t value, uint32_t matchDays) {
    const uint32_t secondByte = (value >> 8) & 0xFF;
    switch (list) {
        case kMostSuccessfulPlayer:
            return 4 * (ByteSum(value) + (word & 0xFF) + (word >> 8)) - 3 * secondByte;
        case kMostSuccessfulTeam:
            return 4 * (word + ByteSum(value)) - 3 * secondByte;
        case kMostSuccessfulNationalTeam:
            return word + (value >> 16) + (value & 0xFFFF);
        case kBestContracts:
            return (value >> 16) * 100 + (value & 0xFFFF) * 10 * matchDays;
        default:
            return value;
    }
}

void CHistory::InsertAt(int index, int listEnd, const RecordEntry& entry) {
    for (int i = listEnd - 1; i > index; --i) {
        recordNames[i] = recordNames[i - 1];
        recordTexts[i] = recordTexts[i - 1];
        recordWords[i] = recordWords[i - 1];
        recordValues[i] = recordValues[i - 1];
    }
    recordNames[index] = entry.name;
    recordTexts[index] = entry.text;
    recordWords[index] = entry.word;
    recordValues[index] = entry.value;
}

void CHistory::Rank(int list, const RecordEntry& entry, uint32_t matchDays) {
    const int first = list * kPlaces;
    const int end = first + kPlaces;
    const uint32_t worth = WorthOf(list, entry.word, entry.value, matchDays);
    for (int i = first; i < end; ++i) {
        if (WorthOf(list, recordWords[i], recordValues[i], matchDays) < worth) {
            InsertAt(i, end, entry);
            return;
        }
    }
}

void CHistory::RemoveDuplicates(int list) {
    const int first = list * kPlaces;
    const int end = first + kPlaces;
    std::vector<std::string> seen;
    for (int i = first; i < end;) {
        const std::string& name = recordNames[i];
        if (name.empty() || std::find(seen.begin(), seen.end(), name) == seen.end()) {
            if (!name.empty())
                seen.push_back(name);
            ++i;
            continue;
        }
        for (int j = i; j + 1 < end; ++j) {
            recordNames[j] = recordNames[j + 1];
            recordTexts[j] = recordTexts[j + 1];
            recordWords[j] = recordWords[j + 1];
            recordValues[j] = recordValues[j + 1];
        }
        recordNames[end - 1].clear();
        recordTexts[end - 1].clear();
        recordWords[end - 1] = 0;
        recordValues[end - 1] = 0;
    }
}

void CHistory::AddTransferRecord(const CPlayer& player, const CTeam& buyer, uint32_t fee) {
    Rank(kTransferFees,
         {player.GetDisplayName(false), buyer.name, static_cast<uint16_t>(g_gameDate.Year()), fee}, 0);
}

void CHistory::RecordPlayerOfTheYear(const CNation& nation, const std::string& name) {
    if (years.empty()) {
        nationPlayersOfYear.push_back(name);
        return;
    }
    const size_t row = years.size() * nationNumbers.size();
    nationPlayersOfYear.resize(row + nationNumbers.size());
    const auto column = std::find(nationNumbers.begin(), nationNumbers.end(), nation.nationNumber);
    if (column != nationNumbers.end())
        nationPlayersOfYear[row + (column - nationNumbers.begin())] = name;
}

void CHistory::RecordPlayerOfTheYear(const CContinent& continent, const std::string& name) {
    if (years.empty()) {
        continentPlayersOfYear.push_back(name);
        return;
    }
    const size_t row = years.size() * continentNames.size();
    continentPlayersOfYear.resize(row + continentNames.size());
    const auto column = std::find(continentNames.begin(), continentNames.end(), continent.name);
    if (column != continentNames.end())
        continentPlayersOfYear[row + (column - continentNames.begin())] = name;
}

CHistory::RecordEntry CHistory::EntryAt(int list, int place) const {
    const int i = list * kPlaces + place;
    return {recordNames[i], recordTexts[i], recordWords[i], recordValues[i]};
}
