#include "engine/MatchContext.h"

#include "engine/MatchReport.h"
#include "world/Match.h"

MatchContext g_matchContext;

void ResetMatchContext() { g_matchContext = {}; }

CTeam* MatchContext::AttackTeam() const { return attack ? attack->team : nullptr; }
CTeam* MatchContext::DefenceTeam() const { return defence ? defence->team : nullptr; }

void CMatch::BindSides() {
    const bool homeAttacks = sideInPossession == 0;
    g_matchContext.match = this;
    g_matchContext.attack = homeAttacks ? &home : &away;
    g_matchContext.defence = homeAttacks ? &away : &home;
    g_matchContext.attackPenalties = homeAttacks ? &g_matchSideWordsB : &g_matchSideWordsA;
    g_matchContext.defencePenalties = homeAttacks ? &g_matchSideWordsA : &g_matchSideWordsB;
}

MatchSide& CMatch::Side(int side) {
    return side == 1 ? *g_matchContext.attack : *g_matchContext.defence;
}

std::vector<uint16_t>& CMatch::Penalties(int side) {
    return side == 1 ? *g_matchContext.attackPenalties : *g_matchContext.defencePenalties;
}
