#include "world/Match.h"

#include "engine/MatchReport.h"

void CMatch::ResetScore() {
    home.goals = 0;
    away.goals = 0;
    spectators = 0;
    legScores.push_back(0);
    legScores.push_back(0);
}

void CMatch::StartLive() {
    quick = 0;
    ClearMatchReport();
    ResetForKickOff();
}

bool CMatch::IsRunning() const {
    if (clock < kNormalTimeEnd)
        return true;
    if (legs == 0)
        return false;
    const size_t pairs = PairCount();
    if (clock >= kSecondExtraEnd && pairs == legs + 2u)
        return false;
    if (clock >= kFirstExtraEnd && pairs == legs + 1u)
        return false;
    return pairs > legs;
}

bool CMatch::PlayTimeSlice(int slice) {
    if (!IsRunning())
        return false;
    return AdvanceTime(slice);
}

bool CMatch::AdvanceTime(int slice) {
    return quick ? AdvanceQuick(slice) : AdvanceLive(slice);
}

bool CMatch::HasPlayerFigures() const {
    return !home.goalsPerPlayer.empty() || !away.goalsPerPlayer.empty();
}
