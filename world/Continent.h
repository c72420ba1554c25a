#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "world/CompetitionMask.h"
#include "world/Cup.h"

class BinaryFile;
class CMatch;
class CNation;
class CPlayer;
class CTeam;
class CWorld;

// What a place of a league's table brings at the season's end; the
// continent writes one code per table place into each league's extra byte
// list (`CLeague::extraBytes`), which the league keeps and saves.
enum LeaguePlaceCode : uint8_t {
    kPlaceNothing = 0,
    kPlaceRelegated = 1,
    kPlaceRelegationPlayoff = 2,
    kPlacePromoted = 3,  // in the top league: a place in the first club cup
    kPlacePlayoff = 4,   // promotion or championship play-off
    kPlaceSecondClubCup = 5,
    kPlaceThirdClubCup = 7,
};

// Nation indexes of the continent ranked last, best coefficient first.
extern std::vector<uint8_t> g_nationRankOrder;
// Empties it, as before the first ranking.
void ResetNationRankOrder();

// One continent: its nations and its competitions (further club cups in a
// list, the main club cup, the super cup, the national teams' championship
// and the two qualification cups for the next championship and world cup).
// It ranks its nations by coefficient and gives their leagues the places
// for its club cups.
class CContinent {
public:
    static constexpr uint32_t kDefaultPresidentBirthday = 0x079E0101;  // 1 January 1950
    // The two qualification cups, by their index in extraCups.
    static constexpr size_t kChampionshipQualification = 0;
    static constexpr size_t kWorldCupQualification = 1;
    // The nation and club-cup lists are stored behind one-byte counts.
    static constexpr size_t kMaxListSize = 255;
    // A name (of the continent, its president or a referee) shorter than
    // this counts as missing.
    static constexpr size_t kMinNameLength = 2;

    CContinent();
    ~CContinent();
    CContinent(const CContinent&) = delete;
    CContinent& operator=(const CContinent&) = delete;

    // The save-game flag adds the drawn host and the two qualification
    // cups; every contained object gets the same flag.
    bool Write(BinaryFile& f, uint8_t saveGame) const;
    // On failure the continent is partly read; the caller drops it.
    bool Read(BinaryFile& f, uint8_t saveGame);

    // A continent without nations gets one; names and president are made
    // up where they are missing.
    void FillMissingDefaults();

    // Fills g_nationRankOrder.
    void RankNationsByCoefficient() const;
    // The nation's position in g_nationRankOrder; -1 when absent.
    int GetNationOrderPosition(int nation) const;
    // Writes every league's place codes: club-cup places of the top
    // division by the nation's rank, promotion, relegation and play-offs.
    void AssignCupPlaces();
    // The finished season's points move one season back.
    void ShiftSeasonPoints();
    void PickHostNation();

    // The calendar (engine/ContinentSeason*.cpp), passed down from the world
    // to the nations and the continent's cups: the new game, the season's
    // start and end, the week, a match day's collection (the day's
    // matches appended to list) and completion, and the club cups' titles.
    void SetUpForNewGame();
    void StartSeason();
    void EndSeason();
    void DoWeeklyStep();
    void CollectTodaysMatches(CompetitionMask code, std::vector<CMatch*>& list);
    void CompleteMatchDay(CompetitionMask code);
    void AwardTitles();

    // The national teams' qualification (engine/ContinentQualification.cpp),
    // `cup` one of the two indexes above: a play-off of the continent's
    // national teams for the places the next championship or world cup
    // holds for them, the strongest entering last. Set up at a season's
    // start (and for a new game), played on the calendar's days, or all at
    // once for the season before a new game.
    void SetUpQualification(size_t cup, const CWorld& world);
    void PlayWholeExtraCup(size_t cup);
    // The qualification played in the season beginning in seasonYear, for
    // the tournament of the season after it.
    static constexpr size_t QualificationPlayedIn(int seasonYear) {
        return IsWorldCupSeason(seasonYear) ? kChampionshipQualification : kWorldCupQualification;
    }
    // inLeagues: a club of a nation's league; inCups: in a nation's cup
    // ranking, or a candidate of one of the continent's club cups.
    bool IsTeamReferenced(const CTeam* team, bool inLeagues, bool inCups) const;
    // What the structure check of the continent's cups reads of it.
    CupOwnerView GetCupOwnerView() const;

    // The index of the nation the club plays in; -1 when it is none of
    // this continent's.
    int FindNationOfTeam(const CTeam* team) const;

    // Gives every match of the list that has no referees yet a pair from a
    // nation of the continent, not from the nation of a national team that
    // the user coaches in that match.
    void AssignReferees(const std::vector<CMatch*>& matches) const;

    // Is the team a participant of a club cup before `cup` in the order?
    bool IsTeamInEarlierCup(const CTeam* team, const CCup* cup) const;
    // Of the club-cup list or the main club cup.
    bool IsClubCupParticipant(const CTeam* team) const;
    // "not participating", or the last club cup (list, then the main one)
    // the team plays in: its name, " - " and the team's round.
    std::string GetTeamCupCaption(const CTeam* team) const;
    // The best player of the season's club cups; null when none played.
    CPlayer* PickCupPlayerOfTheYear() const;
    bool FindNation(const CNation* nation, int& index) const;
    bool FindNationOfNationalTeam(const CTeam* team, int& index) const;

    uint8_t hostNation = 0;  // of the next championship; save games only
    std::array<CCup, 2> extraCups;  // qualification: championship, world cup
    std::vector<std::unique_ptr<CNation>> nations;
    std::vector<std::unique_ptr<CCup>> clubCups;  // the first one leads for titles
    std::string name;
    std::string shortName;
    CCup championship{kCupChampionship};
    CCup clubCup{kCupContinental};  // counted after the club-cup list
    std::string president;
    uint32_t presidentBirthday = kDefaultPresidentBirthday;
    CCup superCup{kCupContinentalSuper};

private:
    // The club cups in their order: the list, then the embedded one.
    std::vector<CCup*> ClubCupsInOrder();
    const CNation* DrawRefereeNation(const CMatch& match) const;
};
