// A nation made ready for a new game: enough structure to play, its
// national team, the championship play-off of parallel top leagues, its
// referees and its pools of free staff.
#include <algorithm>

#include "finance/IncomeFormulae.h"
#include "platform/Random.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/Referee.h"
#include "world/Vocabulary.h"

namespace {

constexpr size_t kMinClubsPerLeague = 2;
constexpr int kClubsMadePerLeague = 2;
// A nation without a league plays a passive one of 8, 10 or 12 clubs.
constexpr int kPassiveClubsBase = 8;
constexpr int kPassiveClubsSteps = 3;
constexpr int kPassiveClubsStep = 2;
constexpr int kPassiveUnitsBase = 8;
constexpr int kPassiveUnitsSpread = 5;
constexpr int32_t kPassiveAreaEdge = 250;
constexpr int kFirstLeagueClubLevel = 100, kFirstLeagueClubSpread = 100;
constexpr int kMissingClubLevel = 90, kMissingClubSpread = 60;

constexpr size_t kMinNameLength = 2;
constexpr char kShorthandSuffix[] = "H";
constexpr float kPresidentCompetence = 5.0f;
constexpr int kNewGameYouthPlayers = 2;

constexpr uint8_t kNationalFansAndFinance = 0x66;  // mood "fastidiously", "rich"
constexpr uint8_t kNationalBoardAndMedia = 0x73;   // board "normal", media 7
constexpr int kShirtColourSteps = 3;
constexpr uint32_t kShirtColourStep = 127;

// The championship play-off of parallel top leagues starts from a ranking
// of their best clubs, place by place, at most this many.
constexpr size_t kMaxChampionshipCandidates = 16;

constexpr int kRefereeRatingRange = 11;
constexpr int kPoolCompetenceRange = 10;

// A club made for a league leaves the extra teams for the league's next
// table place.
void AddMadeUpClubs(CNation& nation, CLeague& league, int division, int level, int spread) {
    for (int i = 0; i < kClubsMadePerLeague; ++i) {
        CTeam* made = nation.CreateExtraTeam(division, level, spread);
        if (!made)
            return;
        auto& extras = nation.extraTeams;
        const auto found = std::find_if(extras.begin(), extras.end(), [made](const auto& t) { return t.get() == made; });
        league.clubs.push_back(std::move(*found));
        extras.erase(found);
        league.tableOrder.push_back(static_cast<uint8_t>(league.clubs.size()));
    }
}

void CompleteStructure(CNation& nation) {
    if (nation.leagues.empty()) {
        auto league = std::make_unique<CLeague>();
        league->name = "division 1";
        league->flags = kLeaguePassive;
        league->storedClubCount =
            static_cast<uint8_t>(kPassiveClubsBase + kPassiveClubsStep * RandBelow(kPassiveClubsSteps));
        league->trainingUnits = static_cast<uint8_t>(kPassiveUnitsBase + RandBelow(kPassiveUnitsSpread));
        league->areaRight = league->areaBottom = kPassiveAreaEdge;
        league->areaLeft = league->areaTop = 0;
        nation.leagues.push_back(std::move(league));
        AddMadeUpClubs(nation, *nation.leagues.back(), 0, kFirstLeagueClubLevel, kFirstLeagueClubSpread);
    }
    for (const auto& league : nation.leagues)
        if (league->clubs.size() < kMinClubsPerLeague)
            AddMadeUpClubs(nation, *league, nation.GetMaxDivision(), kMissingClubLevel, kMissingClubSpread);
    if (nation.shorthand.size() < kMinNameLength)
        nation.shorthand = NationName(nation.nationNumber).substr(0, 1) + kShorthandSuffix;
    if (nation.president.size() < kMinNameLength) {
        const StaffPerson person = nation.CreateRandomPerson(kPresidentCompetence, false);
        nation.president = person.firstName + " " + person.surname;
        nation.presidentBirthday = person.birthday;
    }
}

uint32_t DrawShirtColour() {
    uint32_t colour = 0;
    for (int channel = 0; channel < 3; ++channel)
        colour |= kShirtColourStep * static_cast<uint32_t>(RandBelow(kShirtColourSteps)) << (8 * channel);
    return colour;
}

void SetUpNationalTeam(CNation& nation) {
    CTeam& team = nation.nationalTeam;
    team.name = NationName(nation.nationNumber);
    team.shorthand = NationCode(nation.nationNumber);
    team.fansAndFinance = kNationalFansAndFinance;
    team.boardAndMedia = kNationalBoardAndMedia;
    team.homeColour = DrawShirtColour();
    do
        team.awayColour = DrawShirtColour();
    while (team.awayColour == team.homeColour);
}

int TopDivision(const CNation& nation) {
    int top = INT32_MAX;
    for (const auto& league : nation.leagues)
        top = std::min<int>(top, league->division);
    return top;
}

// Round by round each top league gives its club of that table place.
void AddChampionshipPlayoff(CNation& nation) {
    if (!nation.HasParallelTopLeagues() || nation.cups.size() != CNation::kFixedCupCount)
        return;
    auto cup = std::make_unique<CCup>(kCupPlayoff);
    const int top = TopDivision(nation);
    std::vector<const CLeague*> topLeagues;
    for (const auto& league : nation.leagues)
        if (league->division == top)
            topLeagues.push_back(league.get());
    const size_t rounds = kMaxChampionshipCandidates / topLeagues.size();
    for (size_t place = 0; place <= rounds; ++place)
        for (const CLeague* league : topLeagues)
            if (place < league->tableOrder.size() && cup->ranking.size() < kMaxChampionshipCandidates) {
                const size_t club = league->tableOrder[place] - 1u;
                if (club < league->clubs.size())
                    cup->ranking.push_back(league->clubs[club].get());
            }
    nation.cups.push_back(std::move(cup));
}

// Referee pairs for the biggest match day, and pools of staff as large.
void FillRefereesAndPools(CNation& nation) {
    size_t most = 0;
    for (const auto& league : nation.leagues)
        most = std::max(most, league->clubs.size());
    while (nation.referees.size() < most) {
        auto pair = std::make_unique<CReferee>();
        pair->names[0] = nation.DrawNameFromPlayers(false).surname;
        pair->names[1] = nation.DrawNameFromPlayers(false).surname;
        pair->competence = static_cast<uint8_t>(RandBelow(kRefereeRatingRange));
        pair->toughness = static_cast<uint8_t>(RandBelow(kRefereeRatingRange));
        nation.referees.push_back(std::move(pair));
    }
    auto drawBase = [] { return static_cast<float>(1 + RandBelow(kPoolCompetenceRange)); };
    while (nation.coachPool.size() < most)
        nation.coachPool.push_back(nation.CreateRandomPerson(drawBase(), true));
    while (nation.managerPool.size() < most)
        nation.managerPool.push_back(nation.CreateRandomPerson(drawBase(), false));
    while (nation.keeperCoachPool.size() < most) {
        const StaffPerson person = nation.CreateRandomPerson(drawBase(), false);
        nation.keeperCoachPool.push_back({person.firstName + " " + person.surname, person.code});
    }
}

}  // namespace

void CNation::SetUpForNewGame() {
    CompleteStructure(*this);
    for (const auto& league : leagues)
        league->SetUpForNewGame();
    const CupOwnerView view = GetCupOwnerView();
    for (const auto& cup : cups)
        cup->PrepareStructure(view);
    SetUpNationalTeam(*this);
    AddChampionshipPlayoff(*this);
    FillRefereesAndPools(*this);
    for (const auto& league : leagues)
        for (const auto& club : league->clubs)
            for (int i = 0; i < kNewGameYouthPlayers; ++i)
                CreateYouthPlayer(*club, CalcYouthTeamCosts(club->GetAverageStrength()));

    // The edited seasons 1-3 stay history: the season start moves every
    // entry one season back again.
    std::rotate(seasonPoints.begin(), seasonPoints.begin() + 1, seasonPoints.end());
    std::rotate(clubCounts.begin(), clubCounts.begin() + 1, clubCounts.end());
}
