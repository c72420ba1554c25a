#pragma once

#include <cstdint>
#include <optional>

#include "platform/Bitmap.h"
#include "platform/DeviceContext.h"

class CTeam;

// A player dragged on the lineup and tactics screens, from the button-down
// that picks him up to the button-up that drops him. While the pointer
// moves his card follows it, drawn straight onto the screen over a copy of
// what it covers.
struct PlayerDrag {
    bool active = false;
    int squadIndex = 0;
    // Where the card was drawn last; none before the first move.
    std::optional<Point> corner;
    // What the card covers in the upper half, the card in the lower.
    Bitmap buffer;
    // His lineup-position byte as it was before the card showed him on the
    // place under the pointer.
    uint8_t savedHandAndSlot = 0;
};
extern PlayerDrag g_playerDrag;

void StartPlayerDrag(int squadIndex);
// The card shows the strength he would have on the lineup place under the
// pointer, as a card of the defence over the goalkeeper's and the defence's
// places and of the offence elsewhere.
void MovePlayerDrag(CTeam& team, Point p, DeviceContext& dc);
// Puts back what the card covered and his lineup position; false when no
// drag was running.
bool EndPlayerDrag(CTeam& team, DeviceContext& dc);
// No drag, no picture.
void ResetPlayerDrag();
