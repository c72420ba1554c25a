// A club's youth and amateur teams in the first week of a month: players
// arrive, improve and leave, the more often the more the teams cost; the
// user hears of his own club's.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/GeneratedPeople.h"
#include "finance/ClubWeek.h"
#include "finance/IncomeFormulae.h"
#include "platform/Random.h"
#include "platform/Text.h"
#include "squad/SquadVocabulary.h"
#include "squad/TrainingNews.h"
#include "world/Finance.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/TransferMarket.h"

namespace {

// Chances of arriving and improving are out of 200, at most 100 of them.
constexpr int kChanceScale = 200;
constexpr int64_t kMostChance = 100;
constexpr int kYouthLeavingScale = 100;
constexpr int kArrivedExtra = 0;
constexpr int kLeftExtra = 1;

// New amateurs: weaker than the squad, of any age from 18 on.
constexpr float kAmateurStrengthDivisor = 3.0f;
constexpr int kAmateurStrengthSpread = 2;
constexpr int kAmateurAge = 25;
constexpr int kAmateurAgeSpread = 7;
constexpr float kAmateurTalentDivisor = 2.0f;
constexpr float kAmateurTalentSpread = 1.3f;
constexpr int kAmateurTalentLimit = 3;

// The chance of an arrival grows with the cube root of what the team costs,
// of an improvement with the square root of its hundreds. Money the club
// owes its team counts as the largest chance, as it does for a count that
// has no sign.
int64_t RootChance(int64_t value, int n) {
    if (value < 0)
        return kMostChance;
    return std::min<int64_t>(IntRoot(static_cast<int>(std::min<int64_t>(value, INT32_MAX)), n), kMostChance);
}
int64_t ArrivalChance(int64_t k) { return RootChance(k, 3); }
int64_t ImprovementChance(int64_t k) { return RootChance(k / 100, 2); }

bool Draw(int64_t chance) { return RandBelow(kChanceScale) < chance; }

void Tell(const CTeam& team, const std::string& caption, const std::string& text, int extra) {
    if (IsUserTeam(&team))
        Announce({caption, CManager::kNewsGreen, caption, text, extra});
}

// Takes the player out of the list and lets him go for good.
void LetGo(PlayerList& list, size_t index) { list.erase(list.begin() + static_cast<std::ptrdiff_t>(index)); }

void AddAmateur(CNation& nation, CTeam& team) {
    PlayerRecipe recipe;
    recipe.position = DrawRandomPosition();
    recipe.strengthCentre = team.GetAverageStrength() / kAmateurStrengthDivisor;
    recipe.strengthSpread = kAmateurStrengthSpread;
    recipe.ageCentre = kAmateurAge;
    recipe.ageSpread = kAmateurAgeSpread;
    recipe.talentCentre = team.GetAverageTalent() / kAmateurTalentDivisor;
    recipe.talentSpread = kAmateurTalentSpread;
    recipe.talentLimit = kAmateurTalentLimit;
    recipe.inflationPermille = g_manager.GetInflationPermille();
    PlayerPtr amateur = nation.GeneratePlayer(recipe, false);
    const std::string text = amateur->GetDisplayName(false) + " (talent: " + g_cardTalentNames[std::min(amateur->GetTalent(), kTalentCount - 1)] +
                             Format(", %d years) is now a member of your amateur team.", amateur->GetAge());
    CTeam* second = nullptr;
    if (nation.FindTeamByName(team.amateurTeamName, second))
        second->AddPlayer(std::move(amateur));
    else
        team.amateurs.push_back(std::move(amateur));
    Tell(team, "new amateur player", text, kArrivedExtra);
}

}  // namespace

void RunYouthTeam(const ClubWeek& week) {
    const CFinance& account = week.team.account;
    CTeam& team = week.team;
    const float strength = team.GetAverageStrength();
    const int64_t k = account.IsProfessional()
                          ? int64_t{account.GetFigure(kCostYouthTeam)} - team.GetYouthWageBill()
                          : int64_t{CalcYouthTeamCosts(strength)};
    if (Draw(ArrivalChance(k))) {
        if (CNation* nation = FindNationOfClub(&team)) {
            const uint32_t spending =
                week.league.IsPassive() ? CalcYouthTeamCosts(strength) : account.GetFigure(kCostYouthTeam);
            nation->CreateYouthPlayer(team, spending);
            const CPlayer& young = *team.youth.back();
            Tell(team, "new youth player",
                 "Your youth team did get " + young.GetDisplayName(true) +
                     Format(" (strength %d, age %d) this week.", young.GetStrengthClass(), young.GetAge()),
                 kArrivedExtra);
        }
    }
    if (team.youth.empty())
        return;
    if (Draw(ImprovementChance(k))) {
        CPlayer& young = *team.youth[RandBelow(static_cast<int>(team.youth.size()))];
        young.ChangeStrength(1, true);
        Tell(team, "young player improves",
             young.GetDisplayName(false) +
                 Format(" did play and train well until now. The play strength raises to %d now.",
                        young.GetStrengthClass()),
             kArrivedExtra);
    } else if (RandBelow(kYouthLeavingScale) < static_cast<int>(team.youth.size())) {
        std::vector<size_t> unpaid;
        for (size_t i = 0; i < team.youth.size(); ++i)
            if (team.youth[i]->GetSalary() == 0)
                unpaid.push_back(i);
        if (unpaid.empty())
            return;
        const size_t leaving = unpaid[RandBelow(static_cast<int>(unpaid.size()))];
        Tell(team, "youth player leaves the club",
             team.youth[leaving]->GetDisplayName(false) + " quits playing to concentrate on a new job.", kLeftExtra);
        LetGo(team.youth, leaving);
    }
}

void RunAmateurTeam(const ClubWeek& week) {
    const CFinance& account = week.team.account;
    CTeam& team = week.team;
    const int64_t k = account.IsProfessional()
                          ? int64_t{account.GetFigure(kCostAmateurTeam)}
                          : int64_t{CalcAmateurTeamCosts(team.GetAverageStrength(), team.GetFinancialEnvironment())};
    if (Draw(ArrivalChance(k)))
        if (CNation* nation = FindNationOfClub(&team))
            AddAmateur(*nation, team);
    if (team.amateurs.empty())
        return;
    const int count = static_cast<int>(team.amateurs.size());
    if (Draw(ImprovementChance(k))) {
        team.amateurs[RandBelow(count)]->ChangeStrength(1, true);
    } else if (RandBelow(kChanceScale) < count * count) {
        const size_t leaving = static_cast<size_t>(RandBelow(count));
        Tell(team, "amateur player leaves the club",
             team.amateurs[leaving]->GetDisplayName(false) + " leaves the club to an unknown destination.",
             kLeftExtra);
        LetGo(team.amateurs, leaving);
    }
}
