#include <algorithm>
#include <string>

#include "engine/GeneratedPeople.h"
#include "finance/SquadPlan.h"
#include "platform/PlayerMessages.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"

// The players a computer-run club takes without a transfer: its own youth
// and amateurs, the players of its amateur club, the nation's free players
// and, when all that leaves the squad short for weeks, new players.

namespace {

constexpr int kYouthAboveAge = 16;
constexpr int kPromotionPercent = 80;
constexpr int kPromotionYears = 2;
constexpr int kAmateurMargin = 30;      // strength x 10 below the team's
constexpr int kAmateurClubMargin = 25;  // the same for an amateur club's players
constexpr int kAmateurUrgency = 2;
constexpr size_t kAmateurClubKeeps = 12;
constexpr int kFreePlayerMargin = 10;
constexpr int kFreePlayerUrgency = 1;
constexpr int kFreePlayerPercent = 80;
constexpr uint8_t kShortSquadWeek = 0x04;
constexpr uint32_t kInterventionBox = MSG_TEAM | MSG_OK | MSG_BLUE;

// What a generated player is drawn around, beside the squad's means.
constexpr int kGeneratedStrengthSpread = 1;
constexpr int kGeneratedAgeSpread = 3;
constexpr float kGeneratedTalentSpread = 0.5f;

// The club's first contract for a player of its own: a share of what he
// asks for, without clause or options.
void GiveContract(const CLeague& league, CPlayer& player, int percent, int years) {
    const int matchDays = league.GetMatchDayCount(true, true, true);
    const ContractDemand demand =
        player.ComputeContractDemand(league.IsProfessional(), league.division, matchDays, g_manager.GetInflationPermille());
    PlayerContract contract;
    contract.professional = league.IsProfessional();
    contract.salary = demand.salary * static_cast<uint32_t>(percent) / 100;
    contract.bonus = demand.bonus * static_cast<uint32_t>(percent) / 100;
    contract.years = years > 0 ? years : demand.years;
    player.SetContract(contract);
}

// Moves the players of a list that pass into the squad with a new contract.
template <typename Passes>
void PromoteFrom(const ComputerClub& club, PlayerList& list, Passes passes) {
    for (size_t i = 0; i < list.size();) {
        if (!passes(*list[i])) {
            ++i;
            continue;
        }
        PlayerPtr player = std::move(list[i]);
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
        GiveContract(club.league, *player, kPromotionPercent, kPromotionYears);
        club.team.AddPlayer(std::move(player));
    }
}

void AnnounceIntervention(const CTeam& team, const CPlayer& player) {
    TellPlayer({"professional team intervenes",
                team.coachFirstName + " " + team.coachSurname + " obligated " + player.GetDisplayName(false) +
                    " for the professional team. You have to fill that gap.",
                kInterventionBox, 1});
}

// The amateur club of the nation gives up its players while it keeps more
// than a match sheet's worth.
void TakeFromAmateurClub(const ComputerClub& club, const SquadPlan& plan, CTeam& amateurClub) {
    const int talentLimit = plan.teamTalent / 10;
    for (size_t i = 0; i < amateurClub.squad.size() && amateurClub.squad.size() > kAmateurClubKeeps;) {
        CPlayer& player = *amateurClub.squad[i];
        const bool passes = (player.status & CPlayer::kInternationalBan) == 0 &&
                            player.GetStrengthClass() * 10 > plan.teamStrength - kAmateurClubMargin &&
                            player.GetTalent() >= talentLimit && plan.urgency[SquadPosition(player)] > kAmateurUrgency;
        if (!passes) {
            ++i;
            continue;
        }
        if (IsUserTeam(&amateurClub))
            AnnounceIntervention(club.team, player);
        club.nation.RemovePlayerFromTransferDeals(&player);
        PlayerPtr moved = amateurClub.RemovePlayer(&player);
        GiveContract(club.league, *moved, kPromotionPercent, kPromotionYears + 1);
        club.team.AddPlayer(std::move(moved));
    }
}

}  // namespace

void PromotePlayers(const ComputerClub& club, const SquadPlan& plan) {
    const int talentLimit = plan.teamTalent / 10;
    PromoteFrom(club, club.team.youth, [&](const CPlayer& p) {
        return p.GetAge() > kYouthAboveAge && plan.urgency[SquadPosition(p)] > 0 && p.GetTalent() >= talentLimit;
    });
    CTeam* amateurClub = nullptr;
    if (!club.nation.FindTeamByName(club.team.amateurTeamName, amateurClub)) {
        PromoteFrom(club, club.team.amateurs, [&](const CPlayer& p) {
            return p.GetStrengthClass() * 10 > plan.teamStrength - kAmateurMargin && p.GetTalent() >= talentLimit &&
                   plan.urgency[SquadPosition(p)] > kAmateurUrgency;
        });
    } else if (amateurClub != &club.team) {
        TakeFromAmateurClub(club, plan, *amateurClub);
    }
}

void SignFreePlayers(const ComputerClub& club, SquadPlan& plan) {
    PlayerList& free = club.nation.freePlayers;
    const int64_t regularMatchDays = club.league.GetRegularMatchDayCount();
    for (size_t i = 0; i < free.size() && plan.budget > 0;) {
        CPlayer& candidate = *free[i];
        const int p = SquadPosition(candidate);
        if (plan.urgency[p] <= kFreePlayerUrgency ||
            candidate.GetStrengthClass() * 10 <= plan.teamStrength - kFreePlayerMargin) {
            ++i;
            continue;
        }
        PlayerPtr player = std::move(free[i]);
        free.erase(free.begin() + static_cast<std::ptrdiff_t>(i));
        player->RandomizeCondition();
        GiveContract(club.league, *player, kFreePlayerPercent, 0);
        --plan.urgency[p];
        plan.budget -= player->GetSalary() + player->GetBonus() * regularMatchDays;
        club.team.AddPlayer(std::move(player));
    }
}

PlayerRecipe MakeSquadRecipe(const ComputerClub& club) {
    const CTeam& team = club.team;
    PlayerRecipe recipe;
    recipe.strengthCentre = team.GetAverageStrength();
    recipe.strengthSpread = kGeneratedStrengthSpread;
    recipe.talentCentre = team.GetAverageTalent();
    recipe.talentSpread = kGeneratedTalentSpread;
    recipe.ageCentre = static_cast<int>(team.GetAverageAge());
    recipe.ageSpread = kGeneratedAgeSpread;
    recipe.professional = club.league.IsProfessional();
    recipe.inflationPermille = g_manager.GetInflationPermille();
    return recipe;
}

void AddGeneratedPlayers(const ComputerClub& club, PlayerRecipe recipe, size_t size) {
    while (club.team.squad.size() < size) {
        recipe.position = DrawRandomPosition();
        PlayerPtr player = club.nation.GeneratePlayer(recipe, false);
        player->RandomizeCondition();
        club.team.AddPlayer(std::move(player));
    }
}

void FillShortSquad(const ComputerClub& club) {
    CTeam& team = club.team;
    const size_t minimum = club.league.playersPerMatch;
    if ((team.flags & kTeamJobSafetyCounter) == kTeamJobSafetyCounter) {
        AddGeneratedPlayers(club, MakeSquadRecipe(club), minimum);
        team.flags &= static_cast<uint8_t>(~kTeamJobSafetyCounter);
    }
    // From the season's start to the turn of the year a short squad counts
    // against the club.
    if (team.squad.size() < minimum && g_gameDate.Month() >= kSeasonStartMonth)
        team.flags = static_cast<uint8_t>(team.flags + kShortSquadWeek);
}
