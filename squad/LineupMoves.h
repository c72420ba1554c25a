#pragma once

class CTeam;

// What the user does to his lineup by dragging a player on the lineup and
// tactics screens. Each move answers whether it took place, and validates
// the lineup when it did; a refused move changes nothing.
//
// While his match is live (live), a player out of play may not come back
// on and nobody may take the place of one who is out: a move is refused
// when the dragged player is out of play and the place is on the bench, or
// he is on neither formation and out of play, or the place's player is out
// of play and the dragged one is not on both formations, or the place is
// on the bench and its player is out of play.

// The squad player dropped on lineup slot `slot` of the match sheet. He
// takes the place and the position's other formation place, if it is free;
// whoever stood there moves to where he came from, or to the bench. False
// when the bench has no room for someone who must go there.
bool DropOnLineupSlot(CTeam& team, int squadIndex, int slot, bool live);
// The squad player taken off every lineup slot; false when he stood in none.
bool TakeOffLineup(CTeam& team, int squadIndex);
// The player's place in the offence or on the bench (slots 7 to the last)
// and the place `slot` there change their players.
bool SwapOffenceSlots(CTeam& team, int squadIndex, int slot, bool live);
// The player's place in goal or in the defence (slots 0-6) and defence
// slot `slot` change their players.
bool SwapDefenceSlots(CTeam& team, int squadIndex, int slot);
// The defender of defence slot 1-6 the player stands in marks the attacker
// of the opponent's offence slot 7-12, when that is the one he faces and
// the defence system lets him mark.
bool MarkAttacker(CTeam& team, int squadIndex, int attackerSlot);
// Every marking of a defence slot the player stands in ends.
void EndMarkings(CTeam& team, int squadIndex);
