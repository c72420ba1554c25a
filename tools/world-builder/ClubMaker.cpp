#include <algorithm>
#include <array>

#include "engine/GeneratedPeople.h"
#include "platform/Random.h"
#include "platform/Text.h"
#include "tools/world-builder/BuildSteps.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// Every squad has two players of each position, then a few more.
constexpr int kPlayersPerPosition = 2;
constexpr int kMinExtraPlayers = 2;
constexpr int kExtraPlayersRange = 3;  // 16-18 players in all
constexpr int kAgeCentre = 26;
constexpr int kAgeSpread = 6;
// Goalkeepers wear these numbers; field players count up around them.
constexpr std::array<int, 3> kKeeperNumbers = {1, 12, 16};

constexpr int kFirstFoundingYear = 1880;
constexpr int kFoundingYearRange = 100;
constexpr int kCapitalSpreadPercent = 20;
constexpr int kArenaSpreadPercent = 10;
// Towns lie on the nation map away from its edge (stored at 3/5 of pixels).
constexpr int kMapMargin = 12;
constexpr int kMapRange = 127;
constexpr int kShadesPerComponent = 3;  // 0, 127, 254: the club editor's palette
constexpr int kShadeStep = 127;
constexpr int kNormalBoard = 3;
constexpr int kMaxMood = 7;

uint32_t DrawPaletteColour() {
    uint32_t colour = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        colour |= static_cast<uint32_t>(RandBelow(kShadesPerComponent) * kShadeStep) << shift;
    return colour;
}

int Spread(int value, int percent) {
    return value + value * (RandBelow(2 * percent + 1) - percent) / 100;
}

void AddPlayers(CTeam& club, const CNation& nation, const LeaguePlan& league, const LevelPlan& level,
                NameMaker& names) {
    std::vector<int> positions;
    for (int p = 0; p < kPositionCount; ++p)
        positions.insert(positions.end(), kPlayersPerPosition, p);
    const int extra = kMinExtraPlayers + RandBelow(kExtraPlayersRange);
    for (int i = 0; i < extra; ++i)
        positions.push_back(DrawRandomPosition());

    PlayerRecipe recipe;
    recipe.strengthCentre = level.strength;
    recipe.strengthSpread = level.strengthSpread;
    recipe.ageCentre = kAgeCentre;
    recipe.ageSpread = kAgeSpread;
    recipe.talentCentre = level.talent;
    recipe.talentSpread = level.talentSpread;
    recipe.professional = league.professional;
    for (int position : positions) {
        auto player = std::make_unique<CPlayer>();
        names.NewPlayerName(player->firstName, player->lastName);
        player->nationality = nation.nationNumber;
        recipe.position = position;
        DrawPlayerValues(*player, recipe);
        club.AddPlayer(std::move(player));
    }
}

void NumberSquad(CTeam& club) {
    size_t keepers = 0;
    int next = 2;
    for (const PlayerPtr& p : club.squad) {
        if (p->IsGoalkeeper() && keepers < kKeeperNumbers.size()) {
            p->number = static_cast<uint8_t>(kKeeperNumbers[keepers++]);
            continue;
        }
        while (std::find(kKeeperNumbers.begin(), kKeeperNumbers.end(), next) != kKeeperNumbers.end())
            ++next;
        p->number = static_cast<uint8_t>(next++);
    }
}

void GrowArena(CArena& arena, int places) {
    // Around the field, one side after the other: seats, then standing.
    constexpr std::array<ArenaBlockKind, 2> kFill = {kSeatsMiddle, kStandingLarge};
    int side = 0, failed = 0;
    while (static_cast<int>(arena.GetCapacity()) < places && failed < 4) {
        const bool grown = arena.AddGridLine(side == 1, side == 3, side == 0, side == 2, kFill[side % 2]);
        failed = grown ? 0 : failed + 1;
        side = (side + 1) % 4;
    }
}

void AppointPeople(CTeam& club, const CNation& nation, const LevelPlan& level) {
    const StaffPerson coach = nation.CreateRandomPerson(static_cast<float>(level.staff), true);
    club.coachFirstName = coach.firstName;
    club.coachSurname = coach.surname;
    club.coachCode = coach.code;
    club.coachBirthday = coach.birthday;
    const StaffPerson manager = nation.CreateRandomPerson(static_cast<float>(level.staff), false);
    club.managerFirstName = manager.firstName;
    club.managerSurname = manager.surname;
    club.managerCompetence = static_cast<uint8_t>(manager.GetCompetence());
    club.managerBirthday = manager.birthday;
    const StaffPerson keeperCoach = nation.CreateRandomPerson(static_cast<float>(level.staff), false);
    club.keeperCoach = keeperCoach.firstName + " " + keeperCoach.surname;
    club.keeperCoachCompetence = static_cast<uint8_t>(keeperCoach.GetCompetence());
    const PersonName chief = nation.DrawNameFromPlayers(false);
    club.chiefFirstName = chief.firstName;
    club.chiefSurname = chief.surname;
}

void SetClimate(CTeam& club, const LevelPlan& level) {
    const int most = level.fans;
    const int amount = std::max(most - 1 + RandBelow(2), 0);
    club.fanAmount = static_cast<uint8_t>(most << 4 | amount);
    const int mood = RandBelow(2) == 0 ? kMoodNormal : kMoodFaithful;
    const int environment = std::min(most + RandBelow(2), kMaxMood);
    club.fansAndFinance = static_cast<uint8_t>(environment << 4 | mood);
    const int media = std::min(most - 1 + RandBelow(2), kMaxMood);
    club.boardAndMedia = static_cast<uint8_t>(media << 4 | kNormalBoard);
    club.capital = Spread(level.capital, kCapitalSpreadPercent);
}

}  // namespace

void MakeClub(CNation& nation, const LeaguePlan& league, const LevelPlan& level, NameMaker& names, int serial,
              CTeam& club) {
    const std::string town = names.NewTown();
    club.name = names.Pick(names.Words().clubPrefixes) + " " + town;
    club.shorthand = MakeShorthand(club.name);
    club.amateurTeamName = club.name + " II";
    club.foundingYear = static_cast<uint16_t>(kFirstFoundingYear + RandBelow(kFoundingYearRange));
    club.homeColour = DrawPaletteColour();
    do
        club.awayColour = DrawPaletteColour();
    while (club.awayColour == club.homeColour);
    const int x = kMapMargin + RandBelow(kMapRange), y = kMapMargin + RandBelow(kMapRange);
    club.mapPosition = static_cast<uint16_t>(y << 8 | x);
    club.logoFile = Format("n%03dc%03d.bmp", nation.nationNumber, serial);
    SetClimate(club, level);

    club.arena.SetName(town + " " + names.Pick(names.Words().arenaWords));
    club.arena.SetScoreBoard(static_cast<uint8_t>(level.scoreBoard));
    GrowArena(club.arena, Spread(level.arenaPlaces, kArenaSpreadPercent));

    AddPlayers(club, nation, league, level, names);
    club.SortSquad();
    NumberSquad(club);
    AppointPeople(club, nation, level);
    club.Normalize();
}
