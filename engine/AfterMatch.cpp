#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "engine/MatchTeam.h"
#include "finance/MatchTakings.h"
#include "platform/PlayerMessages.h"
#include "platform/Random.h"
#include "platform/Text.h"
#include "world/Match.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/Vocabulary.h"

// After a match: each fielded player's statistics, suspensions, form,
// motivation, freshness, position experience and popularity; each club's
// spirit, fans and media; then the takings.

using namespace match_team;
using namespace MatchMarks;

namespace {

constexpr uint16_t kStatusSuspended = 0x20;
constexpr uint16_t kInsultSuspensionInternational = 2;
constexpr uint16_t kInsultSuspensionNational = 0xE20;  // 14 days, suspended
constexpr uint8_t kCardsExclusion = 1;
constexpr uint8_t kCardsRed = 8;
constexpr uint8_t kInternationalPlayer = 0x80;
constexpr int kLearnedAfter = 29;
constexpr uint32_t kPlayerEventBox = 0xA1;

void ShowPlayerEvent(const char* title, const std::string& text) {
    TellPlayer({title, text, kPlayerEventBox, 1});
}

int SetBitCount(uint16_t marks, uint16_t mask) {
    int n = 0;
    for (uint16_t bits = marks & mask; bits; bits &= bits - 1)
        ++n;
    return n;
}

}  // namespace

void CMatch::UpdatePlayersAfterMatch(bool league, bool continental, bool nationalCup, bool nationalTeam) {
    if (!HasPlayerFigures())
        return;
    UpdateSideAfterMatch(home, away, league, continental, nationalCup, nationalTeam);
    UpdateSideAfterMatch(away, home, league, continental, nationalCup, nationalTeam);

    if ((home.goals == 0) != (away.goals == 0)) {
        CTeam& shutOut = home.goals == 0 ? *home.team : *away.team;
        shutOut.ChangeFanReputation(-15);
        shutOut.ChangeClubConfidence(-15);
        shutOut.ChangeMediaAttention(-100);
        int spirit = -10;
        shutOut.ChangeTeamSpirit(spirit);
    }
    BookMatchFinances(*this, league, continental, nationalCup, nationalTeam);
    if (league)
        RecordUserHomeCrowd(*home.team, spectators);

    scoreHistory.clear();
    home.goalsPerPlayer.clear();
    home.penaltyGoals.clear();
    away.goalsPerPlayer.clear();
    away.penaltyGoals.clear();
}

void CMatch::UpdateSideAfterMatch(MatchSide& side, const MatchSide& other, bool league, bool continental,
                                  bool nationalCup, bool nationalTeam) {
    CTeam& team = *side.team;
    const bool won = side.goals > other.goals;
    const SquadFielding fielding(team, sheetSize);
    for (int i = 0; i < SquadSize(team); ++i)
        if (fielding.Of(i).onSheet)
            UpdatePlayerAfterMatch(side, i, won, league, continental, nationalCup, nationalTeam);
    for (int i = 0; i < SquadSize(team); ++i)
        PlayerAt(team, i).matchMarks &= ~(kOutOfPlay | kKickedOff);
    UpdateClubAfterMatch(side, other, league, continental, nationalCup, nationalTeam);
}

void CMatch::UpdatePlayerAfterMatch(MatchSide& side, int index, bool won, bool league, bool continental,
                                    bool nationalCup, bool nationalTeam) {
    CTeam& team = *side.team;
    CPlayer& p = PlayerAt(team, index);
    const int grade = side.grades[index];
    const int goals = side.goalsPerPlayer[index];
    const int fromSpot = side.penaltyGoals[index];

    p.matchMarks &= ~kOutOfPlay;
    if (league || nationalCup) {
        ++p.allMatches;
        p.suspensions = static_cast<uint8_t>(p.suspensions + SetBitCount(p.matchMarks, kRed | kSecondSuspension | kFirstSuspension));
    }
    if (league) {
        p.league7mGoals = static_cast<uint8_t>(p.league7mGoals + fromSpot);
        if (grade != kNeutralGrade || p.leagueMatches < 3)
            p.averageGrade = (p.leagueMatches * p.averageGrade + (grade / 7 + 2) / 3.0f) / (p.leagueMatches + 1);
        ++p.leagueMatches;
        p.leagueGoals = static_cast<uint16_t>(p.leagueGoals + goals);
    }
    if (continental) {
        ++p.intlClubMatches;
        p.intlGoals = static_cast<uint8_t>(p.intlGoals + goals);
    }
    if (nationalTeam) {
        ++p.nationalMatches;
        p.nationalGoals = static_cast<uint16_t>(p.nationalGoals + goals);
        p.popularityHealth |= kInternationalPlayer;
    }
    if (nationalCup)
        p.cupGoals = static_cast<uint8_t>(p.cupGoals + goals);
    if (p.matchMarks & kExclusion)
        p.cards = static_cast<uint8_t>(p.cards + kCardsExclusion);
    if (p.matchMarks & kRed)
        p.cards = static_cast<uint8_t>(p.cards + kCardsRed);

    const bool international = !league && !nationalCup;
    if (p.matchMarks & kExclusion) {
        const int weeks = 4 + RandBelow(5);
        p.status |= international ? weeks : (weeks * 7) << 8 | kStatusSuspended;
    }
    if ((p.matchMarks & kRed) && (p.matchMarks & kRedReasonMask) == kInsult)
        p.status |= international ? kInsultSuspensionInternational : kInsultSuspensionNational;
    if ((p.status & kStatusSuspended) && match_team::IsUsersTeam(team)) {
        const int matches = p.status & 0x1F;
        const int days = p.status >> 8;
        if ((continental || nationalTeam) && matches != 0)
            ShowPlayerEvent("player suspended", p.GetDisplayName(false) + Format(" is getting suspended for international matches for %d week(s) because his unfair behavior.", matches));
        else if ((league || nationalCup) && days != 0)
            ShowPlayerEvent("player suspended", p.GetDisplayName(false) + Format(" is getting suspended for national matches for %d week(s) because his unfair behavior.", days / 7 + 1));
    }

    int v = 10 - grade / 5;
    if (v < 0)
        v = 11 - grade / 5;
    p.ChangeForm(2 * v);
    p.ChangeMotivation(won ? v + 2 : v - 2);
    const int tired = (100 - match_player::Energy(p)) / 13;
    p.freshness = static_cast<uint8_t>(std::max(p.freshness - tired, 0));

    int role = p.GetSlot();
    if (!p.IsGoalkeeper() && role >= 1 && role <= 6) {
        const bool rightSide = role == kRightWing || role == kRightBack;
        const bool leftSide = role == kLeftBack || role == kLeftWing;
        if ((rightSide && !p.ThrowsLeft()) || (leftSide && p.ThrowsLeft()))
            role = MirrorPosition(role);
        if (role != p.GetPosition()) {
            p.CountMatchOnPosition(role);
            if ((p.positionExperience & 0x1F) > kLearnedAfter) {
                const int position = p.positionExperience >> 5;
                if (match_team::IsUsersTeam(team))
                    ShowPlayerEvent("new position", p.GetDisplayName(false) + " learned the position " + PositionCode(position) + " by frequent employment.");
                p.LearnPosition(position);
                p.positionExperience = 0;
            }
        }
    }
    p.ChangePopularity((120 - grade) / 6 - 10);
}

void CMatch::UpdateClubAfterMatch(MatchSide& side, const MatchSide& other, bool league, bool continental,
                                  bool nationalCup, bool nationalTeam) {
    CTeam& team = *side.team;
    const int h = side.goals, a = other.goals;
    const bool won = h > a;
    const int margin = std::abs(h - a) * 100 / (h + a + 1);
    int fight;
    if (won)
        fight = std::max(margin < 6 ? 3 - (margin + 1) / 2 : 5 - margin, -8);
    else
        fight = std::min(margin < 9 ? 5 - margin : margin - 11, 8);
    team.ChangeFightingSpirit(fight);

    const int gradeSum = std::accumulate(side.grades.begin(), side.grades.end(), 0);
    const int meanGrade = side.grades.empty() ? 0 : gradeSum / static_cast<int>(side.grades.size());
    int spirit = -(meanGrade / 10) + (won ? 8 : 4);
    team.ChangeTeamSpirit(spirit);

    const int sign = h >= a ? 1 : -1;
    int k = IntRoot(std::abs(h - a) * 100, 2) / 10;
    team.ChangeFanReputation((k + 6) * sign);
    if (league)
        k += 4;
    else if (nationalCup)
        k += 3;
    else if (continental)
        k += 2;
    else if (nationalTeam)
        k = (k + 3) * 2;
    team.ChangeClubConfidence(k * sign);
    if (won) {
        team.SetFanMood(3, 3);
        team.ChangeMediaAttention(7);
    } else {
        team.SetFanMood(5, 3);
        team.ChangeMediaAttention(-7);
    }
    if (nationalTeam)
        ReturnInjuriesToClubs(team);
}
