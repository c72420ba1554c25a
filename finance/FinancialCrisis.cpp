#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/GeneratedPeople.h"
#include "finance/ComputerClub.h"
#include "finance/InterestRates.h"
#include "finance/MoneyEvents.h"
#include "platform/PlayerMessages.h"
#include "world/Finance.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"

// A computer-run club deep in debt, without credit and without the prospect
// of a good season is in crisis. The first time its board rescues it with
// an emergency programme: sponsors pay more, staff and players earn less,
// the dearest players leave and a bank lends what is still missing. A club
// that comes back into crisis after that goes bankrupt: its debts are
// written off and a new chief takes over.

namespace {

// A club whose forecast reaches this is trusted to recover on its own.
constexpr uint32_t kRecoveringHealth = 120;
constexpr uint32_t kSponsorRaisePercent = 15;
constexpr uint32_t kStaffCutPercent = 20;
constexpr int64_t kMonthsPerYear = 12;
constexpr uint32_t kPlayerCutDivisor = 5;
constexpr int kMotivationLoss = 10;
constexpr int kFormLoss = 4;
constexpr uint32_t kEmergencyLoanMonths = 36;
constexpr size_t kEmergencySquad = 12;
constexpr float kEmergencyStrengthCut = 2.0f;
constexpr int kEnvironmentSteps = 100;
constexpr int kMediaSteps = 100;
constexpr int kTeamSpiritSteps = -20;

constexpr uint32_t kCrisisBox = MSG_EVENT | MSG_OK | MSG_GREEN;
constexpr int kEmergencyIcon = 1;
constexpr int kBankruptcyIcon = 5;

// The user hears of the clubs of the nation he is in.
void Tell(const ComputerClub& club, const std::string& caption, const std::string& text, int icon) {
    if (&club.nation == g_manager.nation)
        TellPlayer({caption, text, kCrisisBox, icon});
}

std::string Called(const CTeam& team) { return team.GetArticle() + " " + team.name; }

uint32_t Magnitude(int64_t money) { return static_cast<uint32_t>(std::min<int64_t>(std::llabs(money), UINT32_MAX)); }

// The sponsor pays its raise at once; the new sum is what the club can
// count on for the coming season.
int64_t RaiseSponsor(CFinance& account, uint32_t record) {
    ContractRecord contract = account.GetContract(record);
    if (contract.term == 0)
        return 0;
    const uint32_t raise = contract.amount * kSponsorRaisePercent / 100;
    contract.amount += raise;
    account.Book(kIncomeSponsors, raise);
    account.SetContract(record, contract);
    return contract.amount;
}

void CutStaffSalary(CFinance& account, uint32_t record) {
    ContractRecord contract = account.GetContract(record);
    if (contract.term == 0)
        return;
    contract.amount -= contract.amount * kStaffCutPercent / 100;
    account.SetContract(record, contract);
}

void CutPlayerContract(CPlayer& player) {
    PlayerContract contract = player.GetContract();
    contract.salary -= contract.salary / kPlayerCutDivisor;
    contract.bonus -= contract.bonus / kPlayerCutDivisor;
    player.SetContract(contract);
    player.ChangeMotivation(-kMotivationLoss);
    player.ChangeForm(-kFormLoss);
}

// A player who costs more than a month of the debt leaves for half his
// value, unless he only came this season; the others stay for less. Once
// the assets are no longer negative the squad is left alone.
void ShedSquad(const ComputerClub& club, int64_t& netAssets) {
    CTeam& team = club.team;
    const int permille = g_manager.GetInflationPermille();
    const int64_t monthOfDebt = std::llabs(netAssets / kMonthsPerYear);
    for (size_t i = 0; i < team.squad.size();) {
        CPlayer& player = *team.squad[i];
        const int64_t half = player.GetTransferValue(permille) >> 1;
        const int64_t wage =
            player.GetWageDemand(player.IsProfessional(), club.league.division, false, false, permille);
        if (wage + half > monthOfDebt && !player.HasChangedTeam()) {
            club.nation.RemovePlayerFromTransferDeals(&player);
            club.nation.freePlayers.push_back(team.RemovePlayer(&player));
            team.account.Book(kIncomeTransfer, static_cast<uint32_t>(half));
            if (MoneyEventListener* listener = GetMoneyEventListener())
                listener->PlayerReleased(team, static_cast<uint32_t>(half));
            netAssets += half;
        } else {
            CutPlayerContract(player);
            ++i;
        }
        if (netAssets >= 0)
            break;
    }
    club.nation.RetireSurplusFreePlayers();
}

// Loans are paid back and investments cashed in, without the bank's fee.
void SettleAllTransactions(CTeam& team) {
    for (size_t i = team.account.TransactionCount(); i-- > 0;)
        team.account.SettleTransaction(i, team, false);
}

// The bank lends what is still missing at half its base rate, within the
// club's credit limit.
void TakeEmergencyLoan(const ComputerClub& club, int64_t netAssets) {
    if (netAssets >= 0)
        return;
    const FinanceTransaction loan{true, static_cast<uint32_t>(g_interestRates.loanBase >> 1), kEmergencyLoanMonths,
                                  Magnitude(netAssets)};
    club.team.account.AddTransaction(loan, club.league, club.team, true);
}

// Cheap players, weaker than the squad, make up the numbers.
void FillSquad(const ComputerClub& club) {
    if (club.team.squad.size() >= kEmergencySquad)
        return;
    PlayerRecipe recipe = MakeSquadRecipe(club);
    recipe.strengthCentre -= kEmergencyStrengthCut;
    recipe.talentCentre = std::floor(recipe.talentCentre);
    AddGeneratedPlayers(club, recipe, kEmergencySquad);
}

void RunEmergencyProgramme(const ComputerClub& club, int64_t netAssets) {
    CTeam& team = club.team;
    CFinance& account = team.account;
    Tell(club, team.name + " close to financial collapse",
         Called(team) +
             " stands before enormous financial problems.  The club guidance with banks and sponsors. Also player "
             "contracts are terminated. The morale in the team is very low.",
         kEmergencyIcon);
    netAssets += RaiseSponsor(account, kContractMainSponsor);
    netAssets += RaiseSponsor(account, kContractArenaSponsor);
    CutStaffSalary(account, kContractCoach);
    CutStaffSalary(account, kContractManager);
    ShedSquad(club, netAssets);
    SettleAllTransactions(team);
    TakeEmergencyLoan(club, netAssets);
    FillSquad(club);
    team.ChangeFinancialEnvironment(kEnvironmentSteps);
    team.ChangeMediaAttention(kMediaSteps);
    team.ChangeTeamSpirit(kTeamSpiritSteps);
    team.flags |= kTeamInsolvent;
}

// The old chief becomes one of the nation's free people; a new one is
// found around the club's level.
void ReplaceChief(const ComputerClub& club) {
    CTeam& team = club.team;
    const auto level = static_cast<float>(static_cast<int>(team.GetAverageStrength()));
    if (!team.chiefSurname.empty() && club.nation.managerPool.size() < CNation::kMaxListSize) {
        StaffPerson old = club.nation.CreateRandomPerson(level, false);
        old.firstName = team.chiefFirstName;
        old.surname = team.chiefSurname;
        club.nation.managerPool.push_back(old);
    }
    const StaffPerson chief = club.nation.CreateRandomPerson(level, false);
    team.chiefFirstName = chief.firstName;
    team.chiefSurname = chief.surname;
}

void GoBankrupt(const ComputerClub& club, int64_t netAssets) {
    CTeam& team = club.team;
    Tell(club, team.name + " insolvent",
         Called(team) +
             " got bankrupt. The complete managing committee withdraws.  After conclusion of the insolvency "
             "procedure a new unencumbered executive committee will dare the new start.",
         kBankruptcyIcon);
    SettleAllTransactions(team);
    team.account.Book(kIncomeMiscellaneous, Magnitude(netAssets));
    ReplaceChief(club);
    team.flags &= static_cast<uint8_t>(~kTeamInsolvent);
}

}  // namespace

bool MeetsCrisisCondition(const CLeague& league, const CTeam& team) {
    const CFinance& account = team.account;
    if (account.GetNetAssets(team.capital) >= 0)
        return false;
    const uint32_t income = account.CalcSeasonIncome(league, team, g_interestRates.investmentBase);
    if (account.CalcCreditLimit(income, team.capital, true) != 0)
        return false;
    return account.CalcHealthForecast(league, team) < kRecoveringHealth;
}

void TestForFinancialCrisis(const ComputerClub& club) {
    CTeam& team = club.team;
    if (!MeetsCrisisCondition(club.league, team))
        return;
    const int64_t netAssets = team.account.GetNetAssets(team.capital);
    const bool bankrupt = team.flags & kTeamInsolvent;
    if (MoneyEventListener* listener = GetMoneyEventListener())
        listener->CrisisStep(team, club.league, bankrupt);
    if (bankrupt)
        GoBankrupt(club, netAssets);
    else
        RunEmergencyProgramme(club, netAssets);
}
