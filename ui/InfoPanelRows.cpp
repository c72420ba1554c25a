#include "ui/InfoPanelRows.h"

#include <algorithm>
#include <variant>

#include "finance/InterestRates.h"
#include "platform/Random.h"
#include "platform/Text.h"
#include "world/Continent.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"
#include "world/Vocabulary.h"

namespace {

constexpr int kMaxIconValue = 15;
constexpr int kIconsPerKind = 5;
constexpr size_t kMaxLeagueLine = 30;
const char* const kNoValue = "-/-";

int ClampIcons(int value) { return std::clamp(value, 0, kMaxIconValue); }

// Where the team plays; the manager's own place for "no club".
struct TeamPlace {
    CContinent* continent = nullptr;
    CNation* nation = nullptr;
    CLeague* league = nullptr;
};

template <typename T>
T* Resolve(WorldRef ref, RefLevel level) {
    const WorldObject object = g_manager.ResolveRef(ref, level);
    T* const* found = std::get_if<T*>(&object);
    return found ? *found : nullptr;
}

TeamPlace PlaceOf(const CTeam& team) {
    if (&team == &g_noClubTeam)
        return {g_manager.continent, g_manager.nation, g_manager.league};
    const WorldRef ref = g_manager.GetTeamRef(&team);
    return {Resolve<CContinent>(ref, RefLevel::kContinent), Resolve<CNation>(ref, RefLevel::kNation),
            Resolve<CLeague>(ref, RefLevel::kLeague)};
}

std::string CupLine(const CCup& cup, const CTeam& team) { return cup.name + "/" + cup.GetTeamStatusText(&team); }

std::string LeagueLine(const TeamPlace& place) {
    const std::string league = place.league ? place.league->name : std::string();
    const std::string line = league + "/" + (place.nation ? NationName(place.nation->nationNumber) : std::string());
    return line.size() > kMaxLeagueLine ? league + "/ " : line;
}

std::string NationalCupLine(const TeamPlace& place, const CTeam& team) {
    if (!place.nation || place.nation->cups.empty())
        return {};
    return CupLine(*place.nation->cups[CNation::kNationalCup], team);
}

// The first of the continent's club cups the team plays in.
std::string ClubCupLine(const TeamPlace& place, const CTeam& team) {
    if (!place.continent)
        return {};
    int index = 0;
    for (const auto& cup : place.continent->clubCups)
        if (cup->FindParticipant(&team, index))
            return CupLine(*cup, team);
    if (place.continent->clubCup.FindParticipant(&team, index))
        return CupLine(place.continent->clubCup, team);
    return place.continent->name + "cup/not participating";
}

int TablePosition(const TeamPlace& place, const CTeam& team) {
    return place.league ? place.league->GetTablePositionAfterUpdate(&team) : 0;
}

InfoPanelRows OwnTeamRows(const CTeam& team, const TeamPlace& place) {
    InfoPanelRows rows;
    rows[0].text = "name/" + team.name;
    rows[1].text = LeagueLine(place);
    if (&team == &g_noClubTeam) {
        for (int i = 2; i < kInfoPanelRows; ++i)
            rows[i].text = kNoValue;
        return rows;
    }
    rows[2].text = Format("table positon/%d.", TablePosition(place, team));
    const std::string cup = NationalCupLine(place, team);
    rows[3].text = cup.empty() ? kNoValue : cup;
    rows[4].text = ClubCupLine(place, team);
    rows[5].text = Format("club confidence/%d", team.clubConfidence);
    rows[6].text = Format("fan reputation/%d", team.fanReputation);
    return rows;
}

int LiquidityIconValue(const CTeam& team, const CLeague* league) {
    const uint32_t income =
        league ? team.account.CalcSeasonIncome(*league, team, g_interestRates.investmentBase) : 0;
    return ClampIcons((team.account.GetAssetRatio(income, team.capital) + 100) / 20);
}

int ProspectsIconValue(const CTeam& team, const CLeague* league) {
    const int health = league ? static_cast<int>(team.account.CalcHealthForecast(*league, team)) : 0;
    return ClampIcons((team.GetAverageTrend() + health) / 22);
}

InfoPanelRows TeamInformationRows(const CTeam& team, const TeamPlace& place) {
    InfoPanelRows rows;
    rows[0] = {"strength/", InfoIcons::kStrength, StrengthIconValue(team.GetStrength())};
    rows[1].text = Format("recent table position/%d", TablePosition(place, team));
    rows[2].text = NationalCupLine(place, team);
    rows[3].text = ClubCupLine(place, team);
    rows[4] = {"satisfaction/", InfoIcons::kSatisfaction,
               SatisfactionIconValue(team.clubConfidence, team.fanReputation)};
    rows[5] = {"liquidity/", InfoIcons::kLiquidity, LiquidityIconValue(team, place.league)};
    rows[6] = {"future prospects/", InfoIcons::kProspects, ProspectsIconValue(team, place.league)};
    return rows;
}

}  // namespace

InfoPanelRows MakeInfoPanelRows(const CTeam& team, InfoPanelForm form) {
    const TeamPlace place = PlaceOf(team);
    return form == InfoPanelForm::kOwnTeam ? OwnTeamRows(team, place) : TeamInformationRows(team, place);
}

IconGroup IconGroupOf(int value) {
    const int n = ClampIcons(value);
    if (n == 0)
        return {};
    return {(n - 1) / kIconsPerKind, (n - 1) % kIconsPerKind + 1};
}

int StrengthIconValue(float strength) {
    constexpr int kBase = 220;
    constexpr int kStep = 55;
    return ClampIcons((static_cast<int>(strength) - kBase) / kStep);
}

int SatisfactionIconValue(int clubConfidence, int fanReputation) {
    return ClampIcons((IntRoot(clubConfidence * fanReputation, 2) - 40) / 4 + 1);
}
