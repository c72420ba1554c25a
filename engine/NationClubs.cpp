// The clubs and players a nation makes for its competitions, and how its
// cups find its clubs.
#include <algorithm>

#include "engine/GeneratedPeople.h"
#include "platform/Random.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"

namespace {

// A made-up club of a division without leagues is drawn around these.
constexpr float kStrengthPerPercentWithoutLeague = 1.0f / 20;
constexpr float kTalentPerStrengthWithoutLeague = 1.0f / 4;
constexpr float kPercent = 100.0f;
constexpr int kStrengthSpreadPerSpread = 3;
constexpr int kSquadAgeCentre = 26;
constexpr int kSquadAgeSpread = 8;
constexpr int kSquadTalentLimit = 3;

// The club places a cup fills past the end of the tables are made-up
// clubs of the top division's standing.
constexpr int kCupPlaceDivision = 1;
constexpr int kCupPlaceLevel = 100;
constexpr int kCupPlaceSpread = 70;

// The rest of a new club: colours, age, people, fans and arena.
constexpr int kColourSteps = 3;
constexpr uint32_t kColourStep = 127;
constexpr int kFirstFoundingYear = 1880;
constexpr int kFoundingYearSpread = 120;
constexpr int kMinClimateLevel = 1;
constexpr int kMaxClimateLevel = 7;
constexpr int kLowestScoreBoardDivision = 4;
// A new club with more money around it builds seats, another standing places.
constexpr int kSeatingEnvironment = 4;
constexpr int kArenaSides = 4;

constexpr const char* kSecondNameSuffixes[] = {"", " I", " II"};

uint32_t DrawColour() {
    uint32_t colour = 0;
    for (int channel = 0; channel < 3; ++channel)
        colour |= kColourStep * static_cast<uint32_t>(RandBelow(kColourSteps)) << (8 * channel);
    return colour;
}

// A club of the squad's standing, give or take a step: the fans and the
// money around it follow how good it is.
void SetClubClimate(CTeam& club) {
    const int standing = static_cast<int>(club.GetAverageStrength()) / 2 + RandBelow(3) - 1;
    const int level = std::clamp(standing, kMinClimateLevel, kMaxClimateLevel);
    club.fansAndFinance = static_cast<uint8_t>(level << 4 | kMoodNormal);
    club.fanAmount = static_cast<uint8_t>(level << 4 | level);
}

// Steps round the four sides until the arena holds `enough` or no side
// takes a step any more.
template <typename Step, typename Enough>
void StepRoundTheSides(Step step, Enough enough) {
    for (int side = 0, failed = 0; !enough() && failed < kArenaSides; side = (side + 1) % kArenaSides)
        failed = step(side == 0, side == 1, side == 2, side == 3) ? 0 : failed + 1;
}

// The first grid is cut down or built up a line at a time until it just
// holds the spectators the division brings.
void SizeArenaToDemand(CTeam& club, int division) {
    CArena& arena = club.arena;
    const uint32_t demand = static_cast<uint32_t>(std::max(club.GetSpectatorDemand(division), 0));
    StepRoundTheSides([&](bool t, bool l, bool b, bool r) { return arena.RemoveGridLine(t, l, b, r); },
                      [&] { return arena.GetCapacity() <= demand; });
    const uint8_t kind = club.GetFinancialEnvironment() >= kSeatingEnvironment ? kSeatsMiddle : kStandingMiddle;
    StepRoundTheSides([&](bool t, bool l, bool b, bool r) { return arena.AddGridLine(t, l, b, r, kind); },
                      [&] { return arena.GetCapacity() >= demand; });
}

void SetClubPeople(const CNation& nation, CTeam& club) {
    const float base = club.GetAverageStrength();
    const StaffPerson coach = nation.CreateRandomPerson(base, true);
    club.coachFirstName = coach.firstName;
    club.coachSurname = coach.surname;
    club.coachCode = coach.code;
    club.coachBirthday = coach.birthday;
    const StaffPerson manager = nation.CreateRandomPerson(base, false);
    club.managerFirstName = manager.firstName;
    club.managerSurname = manager.surname;
    club.managerCompetence = static_cast<uint8_t>(manager.GetCompetence());
    club.managerBirthday = manager.birthday;
}

// Places the clubs from `first` on; made-up clubs where the list runs out.
// The clubs made here go again when a place cannot be filled.
bool FillPlaces(CNation& nation, const std::vector<CTeam*>& clubs, int first, int count,
                       std::vector<CTeam*>& places, int index) {
    const size_t madeFrom = nation.extraTeams.size();
    for (int k = 0; k < count; ++k, ++index) {
        const size_t from = static_cast<size_t>(std::max(first, 0)) + k;
        CTeam* team = from < clubs.size() ? clubs[from]
                                          : nation.CreateExtraTeam(kCupPlaceDivision, kCupPlaceLevel, kCupPlaceSpread);
        if (!team || index < 0 || index >= static_cast<int>(places.size())) {
            nation.RemoveExtraTeamsFrom(madeFrom);
            return false;
        }
        places[index] = team;
    }
    return true;
}

}  // namespace

std::string GenerateClubName(const CNation& nation) {
    return GenerateClubName(nation.nationNumber, [&nation](const std::string& name) {
        CTeam* team = nullptr;
        return nation.FindTeamByName(name, team);
    });
}

bool CNation::FindTeamByName(const std::string& name, CTeam*& team) const {
    for (const auto& league : leagues)
        for (const auto& club : league->clubs)
            if (club->name == name) {
                team = club.get();
                return true;
            }
    for (const auto& club : extraTeams)
        if (club->name == name) {
            team = club.get();
            return true;
        }
    return false;
}

bool CNation::IsTeamInvolved(const CTeam* team, bool inLeagues, bool inCups) const {
    int number = 0;
    if (inLeagues)
        for (const auto& league : leagues)
            if (league->FindTeam(team, number))
                return true;
    if (!inCups)
        return false;
    for (const auto& cup : cups)
        if (std::find(cup->ranking.begin(), cup->ranking.end(), team) != cup->ranking.end())
            return true;
    const CTeam* national = g_manager.nationalTeam;
    if (!national || national == &g_noClubTeam)
        return false;
    size_t index = 0;
    return std::any_of(team->squad.begin(), team->squad.end(),
                       [&](const PlayerPtr& player) { return national->FindPlayer(player.get(), index); });
}

std::unique_ptr<CPlayer> CNation::GeneratePlayer(const PlayerRecipe& recipe, bool nameless) const {
    auto player = std::make_unique<CPlayer>();
    const PersonName name = DrawNameFromPlayers(false);
    player->nationality = name.nationality;
    if (nameless) {
        player->nationality = nationNumber;
    } else {
        player->firstName = name.firstName;
        player->nickname = name.nickname;
        player->lastName = name.surname;
    }
    DrawPlayerValues(*player, recipe);
    return player;
}

CupOwnerView CNation::GetCupOwnerView() const {
    CupOwnerView view;
    view.nationInactive = IsInactive();
    for (const auto& league : leagues)
        view.leagues.push_back({static_cast<int>(league->clubs.size()), league->storedClubCount});
    return view;
}

const CCup* CNation::NationalCup() const {
    return cups.empty() ? nullptr : cups[kNationalCup].get();
}

CTeam* CNation::CreateExtraTeam(int division, int levelPercent, int spreadPercent) {
    auto club = std::make_unique<CTeam>();
    for (auto name = dissolvedTeamNames.begin(); name != dissolvedTeamNames.end() && club->name.empty(); ++name)
        for (const char* suffix : kSecondNameSuffixes) {
            CTeam* bearer = nullptr;
            if (!name->empty() && !FindTeamByName(*name + suffix, bearer)) {
                club->name = *name + suffix;
                dissolvedTeamNames.erase(name);
                break;
            }
        }
    if (club->name.empty())
        club->name = GenerateClubName(*this);
    club->shorthand = MakeShorthand(club->name);

    float strengthSum = 0, talentSum = 0;
    int count = 0;
    bool professional = false;
    for (const auto& league : leagues)
        if (league->division == division) {
            strengthSum += league->GetAverageStrength();
            talentSum += league->GetAverageTalent();
            professional = professional || league->IsProfessional();
            ++count;
        }
    PlayerRecipe recipe;
    if (count > 0) {
        recipe.strengthCentre = static_cast<float>(levelPercent) * (strengthSum / static_cast<float>(count)) / kPercent;
        recipe.talentCentre = static_cast<float>(levelPercent) * (talentSum / static_cast<float>(count)) / kPercent;
    } else {
        recipe.strengthCentre = static_cast<float>(levelPercent) * kStrengthPerPercentWithoutLeague;
        recipe.talentCentre = recipe.strengthCentre * kTalentPerStrengthWithoutLeague;
    }
    recipe.talentSpread = static_cast<float>(spreadPercent) / kPercent;
    recipe.strengthSpread = kStrengthSpreadPerSpread * spreadPercent / 100;
    recipe.ageCentre = kSquadAgeCentre;
    recipe.ageSpread = kSquadAgeSpread;
    recipe.talentLimit = kSquadTalentLimit;
    recipe.professional = professional;
    recipe.inflationPermille = g_manager.GetInflationPermille();
    AddGeneratedSquad(*club, [&](int position) {
        recipe.position = position;
        return GeneratePlayer(recipe, false);
    });

    club->homeColour = DrawColour();
    do
        club->awayColour = DrawColour();
    while (club->awayColour == club->homeColour);
    club->foundingYear = static_cast<uint16_t>(kFirstFoundingYear + RandBelow(kFoundingYearSpread));
    SetClubPeople(*this, *club);
    SetClubClimate(*club);
    SizeArenaToDemand(*club, division);
    club->arena.SetScoreBoard(static_cast<uint8_t>(
        std::clamp(kLowestScoreBoardDivision - division, 0, static_cast<int>(CArena::kMaxScoreBoard))));
    club->SortSquad();
    club->PrepareNewSeason();
    extraTeams.push_back(std::move(club));
    return extraTeams.back().get();
}

void CNation::RemoveExtraTeamsFrom(size_t index) {
    for (size_t i = index; i < extraTeams.size(); ++i)
        if (!extraTeams[i]->name.empty())
            dissolvedTeamNames.push_back(extraTeams[i]->name);
    if (index < extraTeams.size())
        extraTeams.resize(index);
}

bool CNation::FillCupPlacesByTable(int first, int count, std::vector<CTeam*>& places, int index) {
    std::vector<CTeam*> clubs;
    if (HasParallelTopLeagues() && cups.size() > kChampionshipPlayoff) {
        clubs = cups[kChampionshipPlayoff]->ranking;
    } else {
        for (int division = 0; division <= GetMaxDivision(); ++division)
            for (const auto& league : leagues)
                if (league->division == division)
                    for (uint8_t entry : league->tableOrder)
                        if (entry >= 1 && entry <= league->clubs.size())
                            clubs.push_back(league->clubs[entry - 1].get());
    }
    return FillPlaces(*this, clubs, first, count, places, index);
}

bool CNation::FillCupPlacesByNationalCup(int first, int count, std::vector<CTeam*>& places, int index) {
    const CCup* cup = NationalCup();
    return FillPlaces(*this, cup ? cup->ranking : std::vector<CTeam*>{}, first, count, places, index);
}
