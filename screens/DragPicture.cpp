#include "screens/DragPicture.h"

#include "screens/ScreenState.h"
#include "screens/SquadPlayers.h"
#include "squad/LineupSlots.h"
#include "world/Player.h"
#include "world/Team.h"

PlayerDrag g_playerDrag;

namespace {

// Every card of the boards has the size of the first one drawn.
Size CardSize() {
    for (const Rect& r : g_lineupCardRects)
        if (!r.IsEmpty())
            return {r.Width(), r.Height()};
    return {};
}

// The place in its formation of the first slot, counted down from the
// offence, whose card holds p: the defence's slots 0-6 as themselves, the
// offence's 7-12 as positions 1-6.
struct PlaceUnder {
    int position = CPlayer::kNoSlot;
    bool defence = false;
};
PlaceUnder PlaceAt(Point p) {
    for (int slot = kSlotLastOffence; slot >= kSlotGoalkeeper; --slot)
        if (g_lineupCardRects[static_cast<size_t>(slot)].Contains(p))
            return {slot <= kSlotLastDefence ? slot : slot - kOffenceSlotOffset, slot <= kSlotLastDefence};
    return {};
}

void CopyFromScreen(Bitmap& buffer, int bufferY, const DeviceContext& dc, Point corner, Size size) {
    if (!dc.Target())
        return;
    DeviceContext into(&buffer);
    into.BitBlt(0, bufferY, size.width, size.height, *dc.Target(), corner.x, corner.y, RasterOp::Copy);
}

void RestoreUnder(DeviceContext& dc) {
    const Bitmap& b = g_playerDrag.buffer;
    dc.BitBlt(g_playerDrag.corner->x, g_playerDrag.corner->y, b.Width(), b.Height() / 2, b, 0, 0, RasterOp::Copy);
}

}  // namespace

void StartPlayerDrag(int squadIndex) {
    g_playerDrag.active = true;
    g_playerDrag.squadIndex = squadIndex;
    g_playerDrag.corner.reset();
    g_playerDrag.buffer.Clear();
}

void MovePlayerDrag(CTeam& team, Point p, DeviceContext& dc) {
    CPlayer* player = SquadPlayer(team, g_playerDrag.squadIndex);
    const Size size = CardSize();
    if (!g_playerDrag.active || !player || size.width <= 0 || size.height <= 0)
        return;
    const Point corner{p.x - size.width / 2, p.y - size.height / 2};
    if (!g_playerDrag.corner) {
        g_playerDrag.savedHandAndSlot = player->handAndSlot;
        g_playerDrag.buffer.Create(size.width, 2 * size.height);
    } else {
        RestoreUnder(dc);
    }
    CopyFromScreen(g_playerDrag.buffer, 0, dc, corner, size);
    const PlaceUnder place = PlaceAt(p);
    player->handAndSlot = static_cast<uint8_t>((player->handAndSlot & ~(CPlayer::kNoSlot << CPlayer::kSlotShift)) |
                                               place.position << CPlayer::kSlotShift);
    DeviceContext into(&g_playerDrag.buffer);
    player->DrawCard({0, size.height, size.width, 2 * size.height}, into, !place.defence, team.GetMatchColour(),
                     false);
    dc.BitBlt(corner.x, corner.y, size.width, size.height, g_playerDrag.buffer, 0, size.height, RasterOp::Copy);
    g_playerDrag.corner = corner;
}

bool EndPlayerDrag(CTeam& team, DeviceContext& dc) {
    if (!g_playerDrag.active)
        return false;
    if (g_playerDrag.corner) {
        RestoreUnder(dc);
        if (CPlayer* player = SquadPlayer(team, g_playerDrag.squadIndex))
            player->handAndSlot = g_playerDrag.savedHandAndSlot;
    }
    g_playerDrag.active = false;
    g_playerDrag.buffer.Clear();
    return true;
}

void ResetPlayerDrag() { g_playerDrag = PlayerDrag{}; }
