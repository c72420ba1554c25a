#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>

#include "platform/RecordingDeviceContext.h"
#include "ui/AttributeColour.h"
#include "ui/PaintSettings.h"
#include "ui/Shading.h"
#include "ui/SkinBitmaps.h"
#include "world/NoClubTeam.h"
#include "world/Player.h"
#include "world/PlayerNames.h"
#include "world/Team.h"

namespace {

// The four cells of the bar picture, each in a colour of its own.
constexpr Colour kCellColours[] = {Rgb(200, 0, 0), Rgb(0, 200, 0), Rgb(0, 0, 200), Rgb(200, 200, 0)};

Bitmap BarPicture() {
    Bitmap bar(200, 50);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 200; ++x)
            bar.Row(y)[x] = kCellColours[x / 50];
    return bar;
}

class MatchPanels : public ::testing::Test {
protected:
    void SetUp() override {
        g_bmpBar = BarPicture();
        team.name = "Home Club";
        team.shorthand = "HC";
        opponent.name = "Away Club";
        opponent.shorthand = "AC";
        team.nextOpponent = &opponent;
    }

    // A default centre back, lined up there: playing strength 3.0 in either
    // role.
    static CPlayer& Sign(CTeam& club, std::initializer_list<int> slots = {}) {
        auto player = std::make_unique<CPlayer>();
        player->handAndSlot = static_cast<uint8_t>(player->GetPosition() << CPlayer::kSlotShift);
        club.AddPlayer(std::move(player));
        for (int s : slots)
            club.lineup[s] = static_cast<uint8_t>(club.squad.size());
        return *club.squad.back();
    }
    static void FillSlots(CTeam& club, int first, int last) {
        for (int s = first; s <= last; ++s)
            Sign(club, {s});
    }

    Colour Fill() const { return g_skinColours[6]; }
    bool Wrote(const std::string& text) const {
        return std::any_of(dc.Texts().begin(), dc.Texts().end(), [&](const TextRecord& t) { return t.utf8 == text; });
    }
    const TextRecord* Find(const std::string& text) const {
        const auto it = std::find_if(dc.Texts().begin(), dc.Texts().end(),
                                     [&](const TextRecord& t) { return t.utf8 == text; });
        return it == dc.Texts().end() ? nullptr : &*it;
    }

    CTeam team;
    CTeam opponent;
    Bitmap picture{240, 120, kWhite};
    RecordingDeviceContext dc{&picture};
};

// A gauge of 200 × 100: unit 10, bar area from y 10 to 80 (70 high), the
// team's bar at x 40-90, the opponent's at x 110-160.
constexpr Rect kGauge{0, 0, 200, 100};
constexpr int kAreaTop = 10, kAreaBottom = 80;
constexpr int kTeamBarX = 65, kOpponentBarX = 135;

TEST_F(MatchPanels, GaugeLabelsAndNamesInTheirColours) {
    const char* labels[] = {"freshness", "fitness", "team spirit", "fighting spirit"};
    for (int kind = kGaugeFreshness; kind <= kGaugeFightingSpirit; ++kind) {
        SCOPED_TRACE(kind);
        dc.ClearTexts();
        team.DrawConditionGauge(kind, false, dc, kGauge);
        ASSERT_FALSE(dc.Texts().empty());
        EXPECT_EQ(dc.Texts()[0].utf8, labels[kind]);
        EXPECT_EQ(dc.Texts()[0].rect, (Rect{0, 0, 200, 10}));
        EXPECT_EQ(dc.Texts()[0].colour, g_skinColours[43]);
        EXPECT_EQ(dc.Texts()[0].font.tenthsOfPoint, 50);
        ASSERT_TRUE(Find("HC") && Find("AC"));
        EXPECT_EQ(Find("HC")->colour, g_skinColours[44]);
        EXPECT_EQ(Find("HC")->rect, (Rect{0, kAreaBottom, 100, 100}));
        EXPECT_EQ(Find("AC")->colour, g_skinColours[45]);
        EXPECT_EQ(Find("AC")->rect, (Rect{100, kAreaBottom, 200, 100}));
    }
    dc.ClearTexts();
    team.DrawConditionGauge(4, false, dc, kGauge);
    EXPECT_TRUE(dc.Texts().empty());
}

TEST_F(MatchPanels, GaugeWithoutPlayersShowsZeroAndNoBar) {
    Sign(team);  // in the squad, in no slot
    team.DrawConditionGauge(kGaugeFreshness, false, dc, kGauge);
    ASSERT_EQ(std::count_if(dc.Texts().begin(), dc.Texts().end(), [](const TextRecord& t) { return t.utf8 == "0"; }),
              2);
    EXPECT_EQ(Find("0")->colour, g_skinColours[8]);
    EXPECT_EQ(picture.GetPixel(kTeamBarX, kAreaBottom - 12), Fill());
    EXPECT_EQ(picture.GetPixel(kOpponentBarX, kAreaBottom - 12), Fill());
}

TEST_F(MatchPanels, GaugeBarsRiseWithTheValueInTheCellOfItsLevel) {
    struct Case {
        int kind;
        int value;
        int height;  // of 70
        int teamCell;
        int opponentCell;
    };
    const Case cases[] = {
        {kGaugeFitness, 100, 70, 2, 2},        {kGaugeFreshness, 60, 42, 2, 2},
        {kGaugeFreshness, 59, 41, 1, 1},       {kGaugeFitness, 30, 21, 1, 1},
        {kGaugeFitness, 29, 20, 0, 0},         {kGaugeTeamSpirit, 200, 70, 3, 0},
        {kGaugeFightingSpirit, 100, 35, 3, 0}, {kGaugeFightingSpirit, 3, 1, 3, 0},
    };
    CPlayer& ours = Sign(team, {kSlotFirstDefence});
    CPlayer& theirs = Sign(opponent, {kSlotFirstOffence});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " at " << c.value);
        for (CPlayer* p : {&ours, &theirs})
            (c.kind == kGaugeFreshness ? p->freshness : p->fitness) = static_cast<uint8_t>(c.value);
        for (CTeam* t : {&team, &opponent})
            (c.kind == kGaugeTeamSpirit ? t->teamSpirit : t->fightingSpirit) = static_cast<uint8_t>(c.value);
        picture.Create(240, 120, kWhite);
        team.DrawConditionGauge(c.kind, false, dc, kGauge);
        const int barTop = kAreaBottom - c.height;
        EXPECT_EQ(picture.GetPixel(kTeamBarX - 20, barTop), kCellColours[c.teamCell]);
        EXPECT_EQ(picture.GetPixel(kTeamBarX - 20, barTop - 1), Fill());
        EXPECT_EQ(picture.GetPixel(kOpponentBarX + 20, barTop), kCellColours[c.opponentCell]);
        EXPECT_EQ(picture.GetPixel(kOpponentBarX + 20, barTop - 1), Fill());
    }
}

TEST_F(MatchPanels, GaugeSetsTheDefenceAgainstTheOffenceOrSquadAgainstSquad) {
    Sign(team, {kSlotFirstDefence}).freshness = 20;
    Sign(team, {kSlotLastDefence}).freshness = 40;
    Sign(team, {kSlotFirstOffence}).freshness = 96;  // offence only
    Sign(opponent, {kSlotFirstDefence}).freshness = 10;  // defence only
    Sign(opponent, {kSlotLastOffence}).freshness = 70;
    team.DrawConditionGauge(kGaugeFreshness, false, dc, kGauge);
    EXPECT_TRUE(Wrote("30"));
    EXPECT_TRUE(Wrote("70"));

    dc.ClearTexts();
    team.DrawConditionGauge(kGaugeFreshness, true, dc, kGauge);
    EXPECT_TRUE(Wrote("52"));  // (20 + 40 + 96) / 3
    EXPECT_TRUE(Wrote("40"));
}

TEST_F(MatchPanels, GaugeWithoutOpponentShowsTheTeamAlone) {
    team.teamSpirit = 200;
    for (CTeam* none : {static_cast<CTeam*>(nullptr), &g_noClubTeam}) {
        team.nextOpponent = none;
        picture.Create(240, 120, kWhite);
        dc.ClearTexts();
        team.DrawConditionGauge(kGaugeTeamSpirit, false, dc, kGauge);
        EXPECT_TRUE(Wrote("200"));
        EXPECT_TRUE(Wrote("HC"));
        EXPECT_EQ(dc.Texts().size(), 3u);  // label, value, name
        EXPECT_EQ(picture.GetPixel(kTeamBarX - 20, kAreaTop), kCellColours[3]);
        EXPECT_EQ(picture.GetPixel(kOpponentBarX + 20, kAreaBottom - 1), Fill());
    }
}

// A strength bar of 200 × 110: unit 20; the lines start at y 0, 30, 60 and 90.
constexpr Rect kBar{0, 0, 200, 110};
constexpr int kOpponentBarY = 40, kTeamBarY = 70;

TEST_F(MatchPanels, StrengthBarCaptionsNameTheSidesFacingEachOther) {
    struct Case {
        bool offence;
        const char* top;
        const char* bottom;
    };
    for (const Case& c : {Case{true, "Away Club - defence", "Home Club - offence"},
                          Case{false, "Away Club - offence", "Home Club - defence"}}) {
        SCOPED_TRACE(c.offence);
        dc.ClearTexts();
        team.DrawAttackDefenceBar(kBar, dc, c.offence);
        ASSERT_EQ(dc.Texts().size(), 2u);  // no strength, no numbers
        EXPECT_EQ(dc.Texts()[0].utf8, c.top);
        EXPECT_EQ(dc.Texts()[0].rect, (Rect{2, 0, 198, 20}));
        EXPECT_EQ(dc.Texts()[0].colour, g_skinColours[45]);
        EXPECT_EQ(dc.Texts()[0].font.tenthsOfPoint, 80);
        EXPECT_EQ(dc.Texts()[0].format, static_cast<unsigned>(TextLeft | TextVCenter | TextSingleLine));
        EXPECT_EQ(dc.Texts()[1].utf8, c.bottom);
        EXPECT_EQ(dc.Texts()[1].rect, (Rect{2, 90, 198, 110}));
        EXPECT_EQ(dc.Texts()[1].colour, g_skinColours[44]);
    }
    EXPECT_EQ(picture.GetPixel(5, kOpponentBarY), Fill());
    EXPECT_EQ(picture.GetPixel(5, kTeamBarY), Fill());
}

TEST_F(MatchPanels, EqualStrengthFillsBothBars) {
    FillSlots(team, kSlotFirstOffence, kSlotLastOffence);
    FillSlots(opponent, kSlotFirstDefence, kSlotLastDefence);
    team.DrawAttackDefenceBar(kBar, dc, true);
    for (int x : {2, 100, 197}) {
        EXPECT_EQ(picture.GetPixel(x, kOpponentBarY - 9), kCellColours[0]) << x;
        EXPECT_EQ(picture.GetPixel(x, kTeamBarY - 9), kCellColours[3]) << x;
    }
    EXPECT_NE(picture.GetPixel(198, kTeamBarY - 9), kCellColours[3]);
    const TextRecord* number = Find("18.0");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->colour, g_skinColours[8]);
    EXPECT_EQ(number->rect, (Rect{2, 30, 198, 50}));
}

TEST_F(MatchPanels, StrengthBarSumsTheFacingFormationsAfreshAndScalesToTheStronger) {
    FillSlots(team, kSlotFirstDefence, kSlotFirstDefence + 2);  // 9.0 in defence
    FillSlots(opponent, kSlotFirstOffence, kSlotLastOffence);   // 18.0 in offence
    FillSlots(opponent, kSlotFirstDefence, kSlotFirstDefence);  // faces the team's offence only
    for (const auto& p : team.squad)
        p->playingStrength = 99.0f;  // stale: worked out again before it counts
    team.DrawAttackDefenceBar(kBar, dc, false);
    EXPECT_TRUE(Wrote("9.0"));
    EXPECT_TRUE(Wrote("18.0"));
    EXPECT_EQ(picture.GetPixel(190, kOpponentBarY - 9), kCellColours[0]);
    EXPECT_EQ(picture.GetPixel(93, kTeamBarY - 9), kCellColours[3]);
    EXPECT_EQ(picture.GetPixel(103, kTeamBarY - 9), Fill());

    // The other way round the team's empty offence faces the opponent's one defender.
    dc.ClearTexts();
    team.DrawAttackDefenceBar(kBar, dc, true);
    EXPECT_TRUE(Wrote("3.0"));
    EXPECT_EQ(std::count_if(dc.Texts().begin(), dc.Texts().end(),
                            [](const TextRecord& t) { return t.utf8.find('.') != std::string::npos; }),
              1);
}

TEST_F(MatchPanels, StrengthBarWithoutOpponentScalesToTheTeam) {
    FillSlots(team, kSlotFirstDefence, kSlotFirstDefence + 1);
    team.nextOpponent = &g_noClubTeam;
    team.DrawAttackDefenceBar(kBar, dc, false);
    ASSERT_EQ(dc.Texts().size(), 2u);
    EXPECT_EQ(dc.Texts()[0].utf8, "6.0");
    EXPECT_EQ(dc.Texts()[1].utf8, "Home Club - defence");
    EXPECT_EQ(picture.GetPixel(190, kTeamBarY - 9), kCellColours[3]);
    EXPECT_EQ(picture.GetPixel(100, kOpponentBarY - 9), Fill());
}

// A comparison of 240 × 120: unit 20, size 80, radius 2 × (average + 5),
// the discs centred at (60, 60) and (180, 60).
constexpr Rect kComparison{0, 0, 240, 120};

// The disc as the comparison should draw it, on the panel's fill.
bool ShowsDisc(const Bitmap& picture, Point centre, int radius, Colour c) {
    const Rect disc{centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius};
    Bitmap expected(240, 120, g_skinColours[6]);
    DeviceContext reference(&expected);
    DrawShadedEllipse(reference, disc, c, true, false);
    for (int y = disc.top - 1; y <= disc.bottom; ++y)
        for (int x = disc.left - 1; x <= disc.right; ++x)
            if (picture.GetPixel(x, y) != expected.GetPixel(x, y))
                return false;
    return true;
}

TEST_F(MatchPanels, AttributeDiscsGrowWithTheAverageOfTheFacingFormations) {
    constexpr int kAttribute = kSkillShotPower;
    Sign(team, {kSlotFirstOffence}).SetAttribute(kAttribute, 15);
    Sign(team, {kSlotLastOffence}).SetAttribute(kAttribute, 14);
    Sign(team, {kSlotFirstDefence}).SetAttribute(kAttribute, 0);  // defence only
    Sign(opponent, {kSlotFirstDefence}).SetAttribute(kAttribute, 4);
    Sign(opponent, {kSlotFirstOffence}).SetAttribute(kAttribute, 12);  // offence only
    team.DrawAttributeComparison(kAttribute, false, dc, kComparison);
    EXPECT_TRUE(ShowsDisc(picture, {60, 60}, 38, g_skinColours[14]));  // average 14
    EXPECT_TRUE(ShowsDisc(picture, {180, 60}, 18, g_skinColours[16]));  // average 4
    ASSERT_FALSE(dc.Texts().empty());
    EXPECT_EQ(dc.Texts()[0].utf8, g_skillNamesLong[kAttribute]);
    EXPECT_EQ(dc.Texts()[0].rect, (Rect{0, 0, 240, 20}));
    EXPECT_EQ(dc.Texts()[0].colour, g_skinColours[43]);
    ASSERT_TRUE(Find("HC") && Find("AC"));
    EXPECT_EQ(Find("HC")->rect, (Rect{0, 100, 120, 120}));
    EXPECT_EQ(Find("AC")->rect, (Rect{120, 100, 240, 120}));

    picture.Create(240, 120, kWhite);
    team.DrawAttributeComparison(kAttribute, true, dc, kComparison);
    EXPECT_TRUE(ShowsDisc(picture, {60, 60}, 28, g_skinColours[15]));  // (15 + 14 + 0) / 3 = 9
    EXPECT_TRUE(ShowsDisc(picture, {180, 60}, 26, g_skinColours[15]));  // (4 + 12) / 2 = 8
}

TEST_F(MatchPanels, AttributeComparisonWithoutPlayersOrOpponent) {
    team.nextOpponent = nullptr;
    team.DrawAttributeComparison(0, false, dc, kComparison);
    EXPECT_TRUE(ShowsDisc(picture, {60, 60}, 10, g_skinColours[16]));
    EXPECT_EQ(picture.GetPixel(180, 60), Fill());
    EXPECT_FALSE(Wrote("AC"));
    EXPECT_TRUE(Wrote("HC"));

    dc.ClearTexts();
    team.DrawAttributeComparison(kAttributeCount, false, dc, kComparison);
    EXPECT_TRUE(dc.Texts().empty());
}

TEST(AttributeColour, ChangesAtFiveAndTen) {
    struct Case {
        int level;
        int skinColour;
    };
    for (const Case& c : {Case{0, 16}, Case{4, 16}, Case{5, 15}, Case{9, 15}, Case{10, 14}, Case{15, 14}})
        EXPECT_EQ(AttributeColour(c.level), g_skinColours[c.skinColour]) << c.level;
}

}  // namespace
