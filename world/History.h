#pragma once

#include <cstdint>
#include <string>
#include <vector>

class BinaryFile;
class CContinent;
class CNation;
class CPlayer;
class CTeam;
class CWorld;

// The game's memory beyond the running season: eleven all-time record
// lists of 20 places and the roll of honour of the last ten seasons.
// Place p of list k is entry 20k + p of the four record arrays; an empty
// place holds "", "", 0, 0. The column keys and the four counts describe
// the layout of the newest recorded season, in world order.
class CHistory {
public:
    static constexpr int kPlaces = 20;
    static constexpr int kLists = 11;
    static constexpr int kRecordEntries = kPlaces * kLists;
    static constexpr size_t kMaxYears = 10;

    // The record lists, by their place in the arrays.
    enum List : int {
        kMostSuccessfulPlayer,
        kMostClubMatches,
        kBestPlayers,
        kBestContracts,
        kTransferFees,
        kSeasonGoals,
        kInternationalMatches,
        kMostSuccessfulTeam,
        kMostSuccessfulNationalTeam,
        kHighestBudget,
        kStrongestTeam,
    };

    CHistory() { Reset(); }

    // Empty record lists of 220 places, no recorded seasons.
    void Reset();

    // The change of season (career/), before the agreed transfers and the
    // season's end: the world's clubs, national teams and players ranked
    // into the record lists, the season's row appended to the roll of
    // honour, and only the last ten seasons kept.
    void UpdateAtSeasonEnd(const CWorld& world);

    // A completed sale: the fee enters the transfer list when it beats its
    // last place; among equal fees the older entry stays ahead.
    void AddTransferRecord(const CPlayer& player, const CTeam& buyer, uint32_t fee);

    // The season honours' player of the year of a nation or a continent,
    // into the row of the season now ending ("" for none). In the first
    // season the names are appended in the honours' call order (continents,
    // then nations, in world order), which the first update's columns follow.
    void RecordPlayerOfTheYear(const CNation& nation, const std::string& name);
    void RecordPlayerOfTheYear(const CContinent& continent, const std::string& name);

    // The save game's form of the history: counted arrays and the four
    // counts. A read that fails leaves the history as it was.
    bool Write(BinaryFile& f) const;
    bool Read(BinaryFile& f);

    // One place of a record list.
    struct RecordEntry {
        std::string name;
        std::string text;
        uint16_t word = 0;
        uint32_t value = 0;
    };
    // What a place of the list is worth in its order; the contract list
    // needs the match days of the league being ranked.
    static uint32_t WorthOf(int list, uint16_t word, uint32_t value, uint32_t matchDays);
    // The entry goes before the first place worth less; worth no more than
    // the last place, it stays out.
    void Rank(int list, const RecordEntry& entry, uint32_t matchDays);
    // Each name keeps only its best place; the places below move up.
    void RemoveDuplicates(int list);
    RecordEntry EntryAt(int list, int place) const;

    bool operator==(const CHistory&) const = default;

    std::vector<std::string> nationPlayersOfYear;
    std::vector<std::string> continentPlayersOfYear;
    std::vector<std::string> yearRows;
    std::vector<uint16_t> leagueNations;
    std::vector<uint16_t> scorerGoals;
    uint32_t cupCount = 0;
    uint32_t leagueCount = 0;
    uint32_t nationCount = 0;
    uint32_t continentCount = 0;
    std::vector<std::string> recordNames;
    std::vector<std::string> recordTexts;
    std::vector<uint16_t> recordWords;
    std::vector<uint32_t> recordValues;
    std::vector<uint16_t> years;  // oldest first
    std::vector<uint16_t> nationNumbers;
    std::vector<std::string> continentNames;
    std::vector<std::string> leagueNames;
    std::vector<std::string> cupNames;

private:
    void InsertAt(int index, int listEnd, const RecordEntry& entry);
};
