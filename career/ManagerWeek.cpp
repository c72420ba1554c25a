// The manager's Monday: his national coach's post and pay, the characters
// of his squad and his costs of living.
#include "platform/PlayerMessages.h"
#include "world/GameDate.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/WorldWalk.h"

namespace {

// A Monday before the 8th is the month's first.
constexpr int kFirstWeekLastDay = 7;
constexpr int kMonthsPerYear = 12;
constexpr int kNationalDismissalIcon = 5;

// What the characters of a squad do to its club in a week.
struct SquadMood {
    int teamSpirit = 0;
    int fightingSpirit = 0;
    int mediaAttention = 0;
    int fanReputation = 0;
};

SquadMood WeighCharacters(const CTeam& club) {
    const auto weigh = [](int& sum, bool up, bool down) { sum += (up ? 1 : 0) - (down ? 1 : 0); };
    SquadMood mood;
    for (const PlayerPtr& player : club.squad) {
        const CPlayer& p = *player;
        weigh(mood.teamSpirit, p.HasCharacterTrait(kCheerfulPlayer), p.HasCharacterTrait(kTroubleSpot));
        weigh(mood.fightingSpirit, p.HasCharacterTrait(kLeader), p.HasCharacterTrait(kApathy));
        weigh(mood.fightingSpirit, p.HasStyleTrait(kFighter), p.HasStyleTrait(kLazyPlayer));
        weigh(mood.mediaAttention, p.HasCharacterTrait(kScandalous), p.HasCharacterTrait(kApathy));
        weigh(mood.fanReputation, p.HasCharacterTrait(kModelPlayer), p.HasCharacterTrait(kScandalous));
    }
    return mood;
}

void LiveWithCharacters(CTeam& club) {
    const SquadMood mood = WeighCharacters(club);
    if (mood.teamSpirit != 0)
        club.ChangeTeamSpirit(mood.teamSpirit);
    if (mood.fightingSpirit != 0)
        club.ChangeFightingSpirit(mood.fightingSpirit);
    if (mood.mediaAttention != 0)
        club.ChangeMediaAttention(mood.mediaAttention);
    if (mood.fanReputation != 0)
        club.ChangeFanReputation(mood.fanReputation);
}

// What he cannot pay leaves him with nothing.
void PayLivingCosts(CManager& m) {
    const int64_t costs = m.GetMonthlyLivingCosts();
    m.balance = m.balance >= costs ? static_cast<int32_t>(m.balance - costs) : 0;
}

CNation* NationOf(const CWorld* world, const CTeam* nationalTeam) {
    CNation* owner = nullptr;
    if (world)
        VisitNations(*world, [&](CNation& nation) {
            if (&nation.nationalTeam == nationalTeam)
                owner = &nation;
        });
    return owner;
}

}  // namespace

void CManager::DoWeeklyStep() {
    const bool firstWeekOfMonth = g_gameDate.Day() <= kFirstWeekLastDay;
    if (HasNationalTeam()) {
        if (!nationalTeam->IsCoachJobSafe()) {
            TellPlayer({"no national coach anymore",
                        "Caused by a lack of confidence into your person and after the bad results lately your "
                        "contract as national coach was dissolved.",
                        MSG_RED | MSG_OK | MSG_MESSAGE, kNationalDismissalIcon});
            RecordCareerStation(false, true, true);
            LeaveNationalTeam();
        }
        // The month he is sent away is still paid.
        if (firstWeekOfMonth)
            balance += nationalCoachSalary / kMonthsPerYear;
    }
    if (HasClub())
        LiveWithCharacters(*club);
    if (firstWeekOfMonth)
        PayLivingCosts(*this);
}

void CManager::LeaveNationalTeam() {
    if (!HasNationalTeam())
        return;
    CTeam& team = *nationalTeam;
    team.coachFirstName.clear();
    team.coachSurname.clear();
    if (CNation* owner = NationOf(world, &team))
        owner->AppointStaffFromPool(team, StaffPost::kCoach);
    if (shownTeam && *shownTeam == &team)
        *shownTeam = club;
    nationalTeam = &g_noClubTeam;
}
