#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/RecordingDeviceContext.h"
#include "ui/PlayerViews.h"
#include "world/GameDate.h"
#include "world/Player.h"

namespace {

// A right back (left back his second position), number 4, class 5, 1.85 m,
// whose strength the user does not see, playing left back in the lineup.
class PlayerViews : public ::testing::Test {
protected:
    void SetUp() override {
        player.firstName = "Lars";
        player.lastName = "Berg";
        player.positions = (4 + 1) << 4 | 2;
        player.number = 4;
        player.strengthTalent = 0x52;
        player.height = 185;
        player.styleTraits = CPlayer::kStrengthHidden;
        player.handAndSlot = 4 << CPlayer::kSlotShift;
    }
    template <typename Paint>
    std::vector<std::string> Texts(Paint paint) {
        RecordingDeviceContext dc(&surface);
        paint(dc);
        std::vector<std::string> texts;
        for (const TextRecord& t : dc.Texts())
            texts.push_back(t.utf8);
        return texts;
    }

    CPlayer player;
    Bitmap surface{600, 200, kBlack};
};

// An offence card names the position he plays, a defence card his own; the
// compact card leaves out the shirt number and keeps the class badge on its
// first line.
TEST_F(PlayerViews, TheCardShowsWhatItsKindHasRoomFor) {
    struct Case {
        bool offence;
        bool compact;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {true, false, {"LB", "Berg", "4", "5", "1.0", "1.85m"}},
        {false, false, {"RB", "Berg", "4", "5", "1.0", "1.85m"}},
        {true, true, {"LB", "5", "Berg", "1.0", "1.85m"}},
    };
    const auto card = [&](bool offence, bool compact) {
        return Texts([&](DeviceContext& dc) { player.DrawCard({0, 0, 120, 90}, dc, offence, kWhite, compact); });
    };
    for (const Case& c : cases)
        EXPECT_EQ(card(c.offence, c.compact), c.texts) << c.offence << c.compact;
    player.nickname = "Bergie";
    EXPECT_EQ(card(false, true)[2], "Bergie");
}

TEST_F(PlayerViews, TheEmptyCardNamesThePositionItAsksFor) {
    EXPECT_EQ(Texts([](DeviceContext& dc) { DrawEmptyCard({0, 0, 120, 90}, dc, 6); }),
              (std::vector<std::string>{"LP"}));
    EXPECT_TRUE(Texts([](DeviceContext& dc) { DrawEmptyCard({0, 0, 120, 90}, dc, CPlayer::kNoSlot); }).empty());
}

// One text a column, in the columns' order; a player out shows on a tag
// how many weeks he misses.
TEST_F(PlayerViews, TheListRowFollowsTheColumns) {
    g_gameDate = Date(2005, 1, 2);
    player.formByte = 9;
    player.motivation = 101;
    player.freshness = 70;
    player.fitness = 60;
    player.leagueMatches = 3;
    player.nationalMatches = 2;
    const std::vector<std::string> row = {"Lars Berg", "RB/LB", "5", "9", "101", "4", "1.0", "1.85m", "70", "60",
                                          "3", "25", "2"};
    EXPECT_EQ(Texts([&](DeviceContext& dc) { player.DrawDetailView({0, 0, 600, 20}, dc, kWhite); }), row);

    player.status = CPlayer::kInjured | 15 << CPlayer::kDaysOutShift;
    std::vector<std::string> out = row;
    out.insert(out.begin() + 1, "3");
    EXPECT_EQ(Texts([&](DeviceContext& dc) { player.DrawDetailView({0, 0, 600, 20}, dc, kWhite); }), out);
}

}  // namespace
