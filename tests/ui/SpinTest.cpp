#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/ControlInput.h"
#include "ui/EditLine.h"
#include "ui/Spin.h"

namespace {

enum Arrow { Up, Down };

}  // namespace

TEST(Spin, ArrowsStepTowardTheEndsAndStopOrWrapThere) {
    struct Case {
        int lower, upper;
        bool wrap;
        int start;
        std::vector<Arrow> clicks;
        std::vector<int> positions;  // after each click
    };
    const Case cases[] = {
        {0, 5, false, 4, {Up, Up, Down}, {5, 5, 4}},
        {5, 0, false, 1, {Up, Up, Down}, {0, 0, 1}},           // the upper end below the lower
        {2, 7, false, 2, {Down, Up}, {2, 3}},
        {0, 6, true, 6, {Up, Down, Down}, {0, 6, 5}},            // wraps both ways
        {7, 2, false, 9, {Down}, {7}},                           // the start was brought into range
    };
    for (const Case& c : cases) {
        Spin spin;
        spin.SetRect({10, 10, 26, 40});
        spin.SetRange(c.lower, c.upper);
        spin.SetWrap(c.wrap);
        spin.SetPosition(c.start);
        for (size_t i = 0; i < c.clicks.size(); ++i) {
            const Rect arrow = c.clicks[i] == Up ? spin.UpRect() : spin.DownRect();
            const int before = spin.Position();
            const Reaction r = spin.OnLButtonDown(0, arrow.Center());
            spin.OnLButtonUp(0, arrow.Center());
            EXPECT_EQ(spin.Position(), c.positions[i]) << c.lower << ".." << c.upper << " click " << i;
            EXPECT_EQ(r.kind, spin.Position() != before ? Reaction::Changed : Reaction::Taken);
        }
    }
}

TEST(Spin, ASidewaysPairStepsUpWithItsRightArrowAndTakesNoFocus) {
    EditLine columns;
    Spin spin;
    ControlSet set;
    set.Add({&columns, &spin});
    columns.SetRect({10, 10, 60, 33});
    spin.SetRect({60, 10, 100, 33});
    spin.SetOrientation(Spin::Orientation::Horizontal);
    spin.SetRange(3, 8);
    spin.SetBuddy(&columns);
    EXPECT_EQ(columns.GetText(), "3");
    EXPECT_GT(spin.UpRect().left, spin.DownRect().left);

    set.SetFocus(&columns);
    EXPECT_TRUE(set.OnLButtonDown(0, spin.UpRect().Center()).Is(spin, Reaction::Changed));
    set.OnLButtonUp(0, spin.UpRect().Center());
    EXPECT_EQ(spin.Position(), 4);
    EXPECT_EQ(columns.GetText(), "4");
    EXPECT_EQ(set.Focused(), &columns);
    set.OnKeyDown(Key::kTab, 0);
    EXPECT_EQ(set.Focused(), &columns);  // the only stop
}
