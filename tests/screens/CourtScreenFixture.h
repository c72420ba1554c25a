#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "platform/RecordingDeviceContext.h"
#include "screens/ScreenState.h"
#include "squad/LineupSlots.h"
#include "world/Player.h"
#include "world/Team.h"

// A club of sixteen players on the lineup and tactics screens, painted into
// a 1000 x 700 surface with the screen at (100, 50)-(900, 650), and the
// mouse driven through the screens' handlers as the main window drives it.
//
// Squad: 0 and 1 goalkeepers, 2-7 one of each field position from the
// right wing to the line player, 8-13 again, 14 a centre back, 15 a third
// goalkeeper. Lineup: 0 in goal, 2-7 in both formations, 1 the substitute
// goalkeeper, 8 and 9 on the bench, 16 and 17 free.
class CourtScreen : public ::testing::Test {
protected:
    static constexpr Rect kScreen{100, 50, 900, 650};
    static constexpr int kPositions[16] = {0, 0, 1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6, 3, 0};
    using Lineup = std::array<uint8_t, kLineupSlotCount>;

    void SetUp() override {
        for (int i = 0; i < 16; ++i) {
            auto p = std::make_unique<CPlayer>();
            p->positions = static_cast<uint8_t>(kPositions[i]);
            p->firstName = "First";
            p->lastName = "Player" + std::to_string(i);
            p->number = static_cast<uint8_t>(i + 1);
            club.AddPlayer(std::move(p));
        }
        club.defenceSystem = 4;
        club.lineup = BaseLineup();
        club.ValidateLineup();
    }

    static Lineup BaseLineup() {
        Lineup l{};
        l[kSlotGoalkeeper] = 1;
        for (int d = kSlotFirstDefence; d <= kSlotLastDefence; ++d)
            l[d] = l[d + kOffenceSlotOffset] = static_cast<uint8_t>(d + 2);
        l[kSlotSubstituteGoalkeeper] = 2;
        l[14] = 9;
        l[15] = 10;
        return l;
    }

    // The base lineup again, every player fit, and `outOfPlay` (unless -1)
    // out of the match.
    void ResetLineup(int outOfPlay) {
        club.lineup = BaseLineup();
        club.ValidateLineup();
        for (auto& p : club.squad)
            p->matchMarks = 0;
        if (outOfPlay >= 0) {
            club.squad[static_cast<size_t>(outOfPlay)]->matchMarks = MatchMarks::kOutOfPlay;
        }
    }

    std::vector<std::string> Paint(bool full) {
        RecordingDeviceContext dc(&surface);
        club.DrawScreen(kScreen, screenId, dc, full);
        std::vector<std::string> texts;
        for (const TextRecord& t : dc.Texts())
            texts.push_back(t.utf8);
        return texts;
    }

    Point SlotCentre(int slot) const { return g_lineupCardRects[static_cast<size_t>(slot)].Center(); }

    struct Drag {
        bool downChanged = false;
        bool downRedraw = false;
        bool upChanged = false;
        bool upRedraw = true;
    };
    // Button down at from, two moves, button up at to.
    Drag DragFromTo(Point from, Point to) {
        Drag d;
        d.downRedraw = false;
        d.downChanged = club.OnScreenLButtonDown(from, screenId, &d.downRedraw);
        DeviceContext dc(&surface);
        club.OnScreenMouseMove({(from.x + to.x) / 2, (from.y + to.y) / 2}, dc, screenId);
        club.OnScreenMouseMove(to, dc, screenId);
        d.upChanged = club.OnScreenLButtonUp(to, dc, screenId, &d.upRedraw);
        return d;
    }
    bool Click(Point p, bool* redraw) { return club.OnScreenLButtonDown(p, screenId, redraw); }

    CTeam club;
    Bitmap surface{1000, 700, kBlack};
    int screenId = 1;
};
