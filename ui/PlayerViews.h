#pragma once

#include <array>
#include <string>

#include "platform/DeviceContext.h"

class CPlayer;

// What the player's card and his row of a squad list share with the screens
// that lay them out (CPlayer::DrawCard and CPlayer::DrawDetailView, ui/).

// The card of an empty place on a formation board: white, with the code of
// the position the place asks for; a bench place asks for none (kNoSlot).
void DrawEmptyCard(const Rect& r, DeviceContext& dc, int positionCode);

// The columns of a squad list row, left to right, each with its heading and
// its width in tenths of a twenty-fifth of the row; the last column takes
// what is left of the row.
struct DetailColumn {
    const char* heading;
    int tenths;
};
enum DetailColumnIndex : int {
    kColumnName, kColumnPositions, kColumnClass, kColumnForm, kColumnMotivation, kColumnNumber,
    kColumnStrength, kColumnSkills, kColumnHeight, kColumnTalent, kColumnFreshness, kColumnFitness,
    kColumnMatches, kColumnAge, kColumnNationalMatches, kColumnNations, kDetailColumnCount
};
constexpr int kDetailRowUnits = 25;
extern const std::array<DetailColumn, kDetailColumnCount> kDetailColumns;
// Column i's part of a row whose left edge is left and whose unit is a
// twenty-fifth of its width; the last column ends at right.
Rect DetailColumnRect(int i, int left, int right, int top, int bottom);

// The skill icon of a special skill's level, from the skills picture:
// field players' skills in its first ten columns, goalkeepers' in the next
// five; rows by level (a deficit in the first). Normal levels have none.
void DrawSkillIcon(DeviceContext& dc, const Rect& r, bool goalkeeper, int skill, int level);
// The nation's flag from the flags picture, stretched into r.
void DrawNationFlag(DeviceContext& dc, const Rect& r, int nation);
// The playing strength as the views show it: "1.0" while his strength is
// hidden from the user.
std::string ShownStrength(const CPlayer& p);
// Black or white, whichever reads better on the colour.
Colour TextColourOn(Colour background);
