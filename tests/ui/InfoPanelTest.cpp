#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/RecordingDeviceContext.h"
#include "platform/Text.h"
#include "tools/sample-world/SampleWorld.h"
#include "ui/InfoPanelRows.h"
#include "world/Continent.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/NoClubTeam.h"
#include "world/Vocabulary.h"
#include "world/World.h"

namespace {

TEST(InfoPanelIcons, ValuesMakeGroupsOfUpToFiveOfThreeKinds) {
    struct Case {
        int value;
        int kind;
        int count;
    };
    for (const Case& c : {Case{-3, 0, 0}, Case{0, 0, 0}, Case{1, 0, 1}, Case{5, 0, 5}, Case{6, 1, 1},
                          Case{11, 2, 1}, Case{15, 2, 5}, Case{40, 2, 5}}) {
        SCOPED_TRACE(c.value);
        const IconGroup g = IconGroupOf(c.value);
        EXPECT_EQ(g.count, c.count);
        if (c.count > 0)
            EXPECT_EQ(g.kind, c.kind);
    }
}

TEST(InfoPanelIcons, StrengthAndSatisfactionValues) {
    struct StrengthCase {
        float strength;
        int value;
    };
    for (const StrengthCase& c : {StrengthCase{0.0f, 0}, StrengthCase{274.9f, 0}, StrengthCase{275.0f, 1},
                                  StrengthCase{1044.9f, 14}, StrengthCase{1045.0f, 15},
                                  StrengthCase{1100.0f, 15}, StrengthCase{5000.0f, 15}}) {
        SCOPED_TRACE(c.strength);
        EXPECT_EQ(StrengthIconValue(c.strength), c.value);
    }
    EXPECT_EQ(SatisfactionIconValue(100, 100), 15);
    EXPECT_EQ(SatisfactionIconValue(0, 0), 0);
    EXPECT_EQ(SatisfactionIconValue(40, 40), 1);
}

class InfoPanel : public ::testing::Test {
protected:
    void SetUp() override {
        world = MakeSampleWorld();
        continent = world->continents[0].get();
        nation = continent->nations[0].get();
        league = nation->leagues[0].get();
        club = league->clubs[0].get();
    }
    void TearDown() override { g_manager.world = nullptr; }

    std::unique_ptr<CWorld> world;
    CContinent* continent = nullptr;
    CNation* nation = nullptr;
    CLeague* league = nullptr;
    CTeam* club = nullptr;
};

TEST_F(InfoPanel, WithoutClubShowsTheManagersPlaceAndNoFigures) {
    g_manager.continent = continent;
    g_manager.nation = nation;
    g_manager.league = league;
    const InfoPanelRows rows = MakeInfoPanelRows(g_noClubTeam, InfoPanelForm::kOwnTeam);
    EXPECT_EQ(rows[0].text, "name/" + g_noClubTeam.name);
    EXPECT_EQ(rows[1].text, league->name + "/" + NationName(nation->nationNumber));
    for (int i = 2; i < kInfoPanelRows; ++i)
        EXPECT_EQ(rows[i].text, "-/-") << i;
}

TEST_F(InfoPanel, OwnTeamRowsNameLeagueCupsAndClimate) {
    club->clubConfidence = 81;
    club->fanReputation = 7;
    const InfoPanelRows rows = MakeInfoPanelRows(*club, InfoPanelForm::kOwnTeam);
    EXPECT_EQ(rows[0].text, "name/" + club->name);
    EXPECT_EQ(rows[2].text, Format("table positon/%d.", league->GetTablePositionAfterUpdate(club)));
    const CCup& cup = *nation->cups[CNation::kNationalCup];
    EXPECT_EQ(rows[3].text, cup.name + "/" + cup.GetTeamStatusText(club));
    EXPECT_EQ(rows[5].text, "club confidence/81");
    EXPECT_EQ(rows[6].text, "fan reputation/7");
    EXPECT_TRUE(std::all_of(rows.begin(), rows.end(), [](const InfoPanelRow& r) { return r.icons == InfoIcons::kNone; }));
}

TEST_F(InfoPanel, ALongLeagueAndNationLineLeavesTheNationOut) {
    league->name = std::string(29, 'L');
    EXPECT_EQ(MakeInfoPanelRows(*club, InfoPanelForm::kOwnTeam)[1].text, league->name + "/ ");
    league->name = "L";
    EXPECT_EQ(MakeInfoPanelRows(*club, InfoPanelForm::kOwnTeam)[1].text, "L/" + NationName(nation->nationNumber));
}

TEST_F(InfoPanel, ClubCupRowNamesTheFirstCupPlayedOrNone) {
    for (auto& cup : continent->clubCups)
        cup->participants.clear();
    continent->clubCup.participants.clear();
    EXPECT_EQ(MakeInfoPanelRows(*club, InfoPanelForm::kOwnTeam)[4].text, continent->name + "cup/not participating");
    EXPECT_EQ(MakeInfoPanelRows(*club, InfoPanelForm::kTeamInformation)[3].text,
              continent->name + "cup/not participating");

    continent->clubCup.participants.push_back(club);
    const CCup* expected = &continent->clubCup;
    if (!continent->clubCups.empty()) {
        continent->clubCups.back()->participants.push_back(club);
        expected = continent->clubCups.back().get();
    }
    EXPECT_EQ(MakeInfoPanelRows(*club, InfoPanelForm::kOwnTeam)[4].text,
              expected->name + "/" + expected->GetTeamStatusText(club));
}

TEST_F(InfoPanel, TeamInformationShowsFiguresAsIcons) {
    club->clubConfidence = 100;
    club->fanReputation = 100;
    const InfoPanelRows rows = MakeInfoPanelRows(*club, InfoPanelForm::kTeamInformation);
    EXPECT_EQ(rows[0].icons, InfoIcons::kStrength);
    EXPECT_EQ(rows[0].value, StrengthIconValue(club->GetStrength()));
    EXPECT_EQ(rows[1].text, Format("recent table position/%d", league->GetTablePositionAfterUpdate(club)));
    EXPECT_EQ(rows[4].icons, InfoIcons::kSatisfaction);
    EXPECT_EQ(rows[4].value, 15);
    EXPECT_EQ(rows[5].icons, InfoIcons::kLiquidity);
    EXPECT_EQ(rows[6].icons, InfoIcons::kProspects);
    for (int i : {5, 6})
        EXPECT_TRUE(rows[i].value >= 0 && rows[i].value <= 15) << i;
}

TEST_F(InfoPanel, CardWritesCaptionAndLabelValuePairs) {
    Bitmap picture{300, 180, kWhite};
    RecordingDeviceContext dc{&picture};
    club->DrawInfoPanel({0, 0, 300, 180}, 0x00808080, dc, 0);
    const auto& texts = dc.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].utf8, "own team");
    EXPECT_EQ(texts[0].rect, (Rect{0, 0, 300, 20}));
    EXPECT_EQ(texts[0].font.tenthsOfPoint, 100);
    // The first row lies beside the crest, six units in; a row under it starts one unit in.
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[1].utf8, "name");
    EXPECT_EQ(texts[1].rect, (Rect{120, 20, 280, 40}));
    EXPECT_EQ(texts[2].utf8, club->name);
    EXPECT_EQ(texts[2].format & TextRight, static_cast<unsigned>(TextRight));
    const auto lastRow = std::find_if(texts.begin(), texts.end(), [](const TextRecord& t) { return t.utf8 == "fan reputation"; });
    ASSERT_NE(lastRow, texts.end());
    EXPECT_EQ(lastRow->rect, (Rect{20, 140, 280, 160}));
    EXPECT_EQ(picture.GetPixel(150, 179), 0x00808080u);  // the frame

    dc.ClearTexts();
    club->DrawInfoPanel({0, 0, 300, 180}, 0x00808080, dc, 1);
    ASSERT_FALSE(dc.Texts().empty());
    EXPECT_EQ(dc.Texts()[0].utf8, "team information");
    // "strength/" has no value, so its row shows only the icons.
    EXPECT_EQ(dc.Texts()[1].utf8, "recent table position");

    dc.ClearTexts();
    club->DrawInfoPanel({0, 0, 300, 8}, 0x00808080, dc, 0);
    EXPECT_TRUE(dc.Texts().empty());
}

}  // namespace
