#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/RecordingDeviceContext.h"
#include "ui/SkinBitmaps.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

const std::vector<std::string> kHeadings = {"pos", "ap", "player", "st.", "skills", "age", "fo", "mot", "tal"};

// The skills picture with every 24 x 24 cell in a colour of its own.
Colour CellColour(int column, int row) { return Rgb(10 * column, 50 * row, 200); }
Bitmap SkillsPicture() {
    Bitmap skills(360, 96);
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 360; ++x)
            skills.Row(y)[x] = CellColour(x / 24, y / 24);
    return skills;
}

// Player i is "First Player<i>", a right back with the left back as his
// second position when i is odd.
class SquadTable : public ::testing::Test {
protected:
    void AddPlayers(int count) {
        for (int i = 0; i < count; ++i) {
            auto p = std::make_unique<CPlayer>();
            p->firstName = "First";
            p->lastName = "Player" + std::to_string(i);
            p->positions = static_cast<uint8_t>(i % 2 ? (4 + 1) << 4 | 2 : 2);
            team.squad.push_back(std::move(p));
        }
    }
    struct Drawn {
        std::vector<std::string> texts;
        int scroll;
        int first;
        int maxScroll;
        std::string title;
    };
    Drawn Draw(int rows, int scroll) {
        RecordingDeviceContext dc(&surface);
        Drawn d{{}, scroll, -1, -1, {}};
        team.DrawSquadTable(&rows, &d.scroll, &d.first, &d.maxScroll, d.title, kTable, dc);
        for (const TextRecord& t : dc.Texts())
            d.texts.push_back(t.utf8);
        return d;
    }

    static constexpr Rect kTable{0, 0, 640, 200};
    CTeam team;
    Bitmap surface{640, 200, kBlack};
};

TEST_F(SquadTable, AnEmptySquadShowsTheHeaderOnly) {
    team.name = "Sandvik HK";
    const Drawn d = Draw(5, 3);
    EXPECT_EQ(d.texts, kHeadings);
    EXPECT_EQ(d.scroll, 0);
    EXPECT_EQ(d.first, 0);
    EXPECT_EQ(d.maxScroll, 0);
    EXPECT_EQ(d.title, "Sandvik HK");
}

// Ten players in five rows: the header and four players at most; the
// largest position puts the last player on the last row.
TEST_F(SquadTable, TheScrollPositionStaysWithinTheSquad) {
    AddPlayers(10);
    struct Case {
        int scroll;
        int corrected;
        int firstShown;
        int shown;
    };
    const Case cases[] = {{20, 6, 6, 4}, {-3, 0, 0, 4}, {2, 2, 2, 4}, {6, 6, 6, 4}};
    for (const Case& c : cases) {
        const Drawn d = Draw(5, c.scroll);
        EXPECT_EQ(d.scroll, c.corrected) << c.scroll;
        EXPECT_EQ(d.maxScroll, 7);
        ASSERT_GE(d.texts.size(), kHeadings.size() + 3);
        EXPECT_EQ(std::vector<std::string>(d.texts.begin(), d.texts.begin() + 9), kHeadings);
        std::vector<std::string> names;
        for (const std::string& t : d.texts)
            if (t.rfind("First Player", 0) == 0) {
                names.push_back(t);
            }
        ASSERT_EQ(names.size(), static_cast<size_t>(c.shown)) << c.scroll;
        EXPECT_EQ(names.front(), "First Player" + std::to_string(c.firstShown)) << c.scroll;
    }
}

// A row: position, second position (none: an empty cell), the nickname
// before the name, class, age, form and motivation.
TEST_F(SquadTable, ARowShowsThePlayersCodesNameAndValues) {
    AddPlayers(2);
    team.squad[1]->nickname = "Mo";
    team.squad[1]->strengthTalent = 0x73;
    team.squad[1]->formByte = 12;
    team.squad[1]->motivation = 104;
    const Drawn d = Draw(3, 0);
    const std::vector<std::string> rows(d.texts.begin() + 9, d.texts.end());
    ASSERT_EQ(rows.size(), 14u) << "seven texts a row";
    EXPECT_EQ(std::vector<std::string>(rows.begin(), rows.begin() + 4),
              (std::vector<std::string>{"RB", "", "First Player0", "3"}));
    EXPECT_EQ(std::vector<std::string>(rows.begin() + 7, rows.begin() + 11),
              (std::vector<std::string>{"RB", "LB", "Mo", "7"}));
    EXPECT_EQ(rows[12], "12");
    EXPECT_EQ(rows[13], "104");
}

// Special skills show as icons from the field players' columns of the
// skills picture, a goalkeeper's from the goalkeepers' columns 10-14; the
// row picks the level, a deficit the first.
TEST_F(SquadTable, SkillIconsComeFromTheColumnsOfTheirKindOfPlayer) {
    g_bmpSkills = SkillsPicture();
    AddPlayers(2);
    team.squad[0]->positions = 0;  // a goalkeeper
    team.squad[0]->SetSkillLevel(2, 3);
    team.squad[1]->SetSkillLevel(4, 0);
    Draw(3, 0);
    // The skills cell starts at grid column 10 (of 40 pixels), an icon is a
    // row (66 pixels) square.
    EXPECT_EQ(surface.GetPixel(410, 66 + 30), CellColour(12, 2));
    EXPECT_EQ(surface.GetPixel(410, 132 + 30), CellColour(4, 0));
}

}  // namespace
