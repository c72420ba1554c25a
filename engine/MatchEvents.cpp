#include "engine/MatchContext.h"
#include "engine/MatchOptions.h"
#include "engine/MatchReport.h"
#include "world/Match.h"

// The live match leaves a record of every action, card and injury; the
// commentary tells them. A quick result records nothing.

void CMatch::AddCommentary(int attacker, int defender, bool passed, bool scored, int kind, bool& reported) {
    if (quick)
        return;
    MatchEvent e;
    e.what = MatchEventKind::kAction;
    e.side = sideInPossession;
    e.kind = static_cast<uint8_t>(kind);
    e.attacker = static_cast<int16_t>(attacker);
    e.defender = static_cast<int16_t>(defender);
    e.passed = passed;
    e.scored = scored;
    e.homeGoals = home.goals;
    e.awayGoals = away.goals;
    e.clock = engineClock;
    g_matchEvents.push_back(e);
    reported = true;
}

void CMatch::RecordEvent(MatchEventKind what, int side, int player) {
    if (quick)
        return;
    MatchEvent e;
    e.what = what;
    e.side = static_cast<uint8_t>(&Side(side) == &home ? 0 : 1);
    e.attacker = static_cast<int16_t>(player);
    e.homeGoals = home.goals;
    e.awayGoals = away.goals;
    e.clock = engineClock;
    g_matchEvents.push_back(e);
}

bool CMatch::ReportCard(int player, int side) {
    if (player < 0 || !g_matchReportOn)
        return false;
    RecordEvent(MatchEventKind::kCard, side, player);
    return true;
}
