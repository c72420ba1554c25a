#pragma once

class CTeam;

// The lineup screen's list of the whole squad: every player once, those on
// the match sheet first in the order of their slots, then the others in
// squad order. g_screenListA takes the rows' squad indices, g_screenListB
// their marks, which pick the rows' colours from g_listMarkColours.
enum LineupListMark : int {
    kMarkGoalkeeperOrTwice = 1,  // in goal, or in both formations
    kMarkDefenceOrBench = 2,     // in one defence or bench slot
    kMarkOffence = 3,            // in one offence slot, or in a formation and on the bench
    kMarkNotNominated = 4,       // not on the match sheet
};
void OrderLineupList(const CTeam& team);
