#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/Random.h"
#include "world/Continent.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"

// The season's players of the year: of a nation's leagues and of a
// continent's club cups. A player is worth his wage demand, weighed by how
// much his club would miss him and by a lucky share of his season.

namespace {

constexpr uint64_t kWageUnit = 100;
constexpr uint64_t kPermille = 1000;
constexpr int kRandRange = 32768;
constexpr int kQualifyingShare = 4;  // of the regular match days he must exceed
// Average grades run from about 0.7 (best) to 6.3 (worst); mirrored on 7
// a better grade weighs more.
constexpr float kGradeMirror = 7.0f;
constexpr float kGradeScale = 10.0f;

uint64_t WageWorth(const CPlayer& p, const CLeague& league, uint16_t rating) {
    const uint64_t wage = p.GetWageDemand(league.IsProfessional(), league.division, false, false,
                                          g_manager.GetInflationPermille());
    return wage / kWageUnit * rating / kPermille;
}

// Up to twice the worth, by a draw below `luck`.
uint64_t WithLuck(uint64_t worth, int64_t luck) {
    const int64_t draw = int64_t{Rand()} * luck / kRandRange;
    return worth * static_cast<uint64_t>(int64_t{kPermille} + draw) / kPermille;
}

// No grade yet weighs nothing.
uint64_t GradeWeight(const CPlayer& p) {
    if (p.averageGrade <= 0)
        return 0;
    return static_cast<uint64_t>(std::max(0.0f, (kGradeMirror - p.averageGrade) * kGradeScale));
}

struct Best {
    CPlayer* player = nullptr;
    uint64_t score = 0;

    void Offer(CPlayer* candidate, uint64_t candidateScore) {
        if (candidateScore > score) {
            player = candidate;
            score = candidateScore;
        }
    }
};

}  // namespace

CPlayer* CNation::PickPlayerOfTheYear() const {
    Best best;
    for (const auto& league : leagues) {
        if (league->IsPassive())
            continue;
        const int minMatches = league->GetMatchDayCount(true, false, false) / kQualifyingShare;
        for (const auto& club : league->clubs) {
            const std::vector<uint16_t> ratings = club->RateSquadPlayers(*league);
            for (size_t i = 0; i < club->squad.size(); ++i) {
                CPlayer& p = *club->squad[i];
                if (p.leagueMatches <= minMatches)
                    continue;
                const int64_t luck = p.IsGoalkeeper() ? p.leagueMatches * p.GetStrengthClass() / 2 : p.leagueGoals;
                best.Offer(&p, WithLuck(WageWorth(p, *league, ratings[i]), luck) * GradeWeight(p));
            }
        }
    }
    return best.player;
}

bool CContinent::IsClubCupParticipant(const CTeam* team) const {
    int index = 0;
    for (const auto& cup : clubCups)
        if (cup->FindParticipant(team, index))
            return true;
    return clubCup.FindParticipant(team, index);
}

CPlayer* CContinent::PickCupPlayerOfTheYear() const {
    Best best;
    for (const auto& nation : nations)
        for (const auto& league : nation->leagues)
            for (const auto& club : league->clubs) {
                if (!IsClubCupParticipant(club.get()))
                    continue;
                const std::vector<uint16_t> ratings = club->RateSquadPlayers(*league);
                for (size_t i = 0; i < club->squad.size(); ++i) {
                    CPlayer& p = *club->squad[i];
                    if (p.intlClubMatches > 0)
                        best.Offer(&p, WithLuck(WageWorth(p, *league, ratings[i]), p.intlClubMatches));
                }
            }
    return best.player;
}
