#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/TempFolder.h"
#include "tools/assets/Crest.h"
#include "tools/assets/FlagTable.h"
#include "tools/assets/NationMap.h"
#include "world/Vocabulary.h"

namespace fs = std::filesystem;

namespace {

fs::path WriteTemp(const TempFolder& folder, const std::string& name, const std::string& text) {
    const fs::path file = folder / name;
    std::ofstream(file) << text;
    return file;
}

}  // namespace

TEST(FlagTable, DescribesEveryNation) {
    FlagTable flags;
    std::string error;
    ASSERT_TRUE(flags.Load(fs::path(CORVANTA_DATA_DIR) / "flags.txt", &error)) << error;
    for (int n = 0; n < kNationCount; ++n)
        EXPECT_NE(flags.Find(n), nullptr) << "nation " << n;
}

TEST(FlagTable, RefusesMalformedLinesNamingThem) {
    TempFolder temp;
    const std::string colours = "colour red 255 0 0\ncolour white 255 255 255\n";
    const struct {
        const char* line;
        const char* says;
    } cases[] = {
        {"1 X : h red blue", "unknown colour"},
        {"1 X : stripes red", "unknown operation"},
        {"1 X : disc red .5 .5", "wrong number"},
        {"1 X : poly red .5", "wrong number"},
        {"1 X h red", "index tag"},
        {"1 X : disc red .5 .5 x", "not a number"},
    };
    for (const auto& c : cases) {
        FlagTable flags;
        std::string error;
        EXPECT_FALSE(flags.Load(WriteTemp(temp, "flags.txt", colours + c.line + "\n"), &error)) << c.line;
        EXPECT_NE(error.find(":3:"), std::string::npos) << error;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
    }
}

TEST(FlagTable, DrawsStripesTopToBottomAndHoistToFly) {
    TempFolder temp;
    FlagTable flags;
    std::string error;
    ASSERT_TRUE(flags.Load(WriteTemp(temp, "flags.txt", "colour red 255 0 0\ncolour white 255 255 255\n"
                                                  "colour blue 0 0 255\n0 A : hw 1 red 3 white ; tri blue .25\n"),
                           &error))
        << error;
    const Bitmap f = DrawFlag(*flags.Find(0), 60, 40);
    EXPECT_EQ(f.GetPixel(30, 2), Rgb(255, 0, 0));
    EXPECT_EQ(f.GetPixel(30, 30), Rgb(255, 255, 255));
    EXPECT_EQ(f.GetPixel(2, 20), Rgb(0, 0, 255));
    EXPECT_EQ(f.GetPixel(20, 20), Rgb(255, 255, 255));
}

TEST(Crests, FollowTheClubColoursAndRepeatThemselves) {
    const CrestDesign red{Rgb(200, 20, 20), Rgb(255, 255, 255), CrestPattern::Halves, "FC"};
    CrestDesign green = red;
    green.first = Rgb(20, 160, 40);
    const Bitmap a = DrawCrest(red), b = DrawCrest(red), c = DrawCrest(green);
    ASSERT_EQ(a.Width(), kCrestSide);
    EXPECT_TRUE(std::equal(a.Pixels(), a.Pixels() + kCrestSide * kCrestSide, b.Pixels()));
    EXPECT_EQ(a.GetPixel(30, 70), red.first);  // the left half of the shield, under the gloss
    EXPECT_EQ(c.GetPixel(30, 70), green.first);
    EXPECT_EQ(a.GetPixel(70, 70), red.second);
}

TEST(Crests, ListFileReadsClubsAndNamesABadLine) {
    TempFolder temp;
    std::vector<CrestEntry> crests;
    std::string error;
    EXPECT_TRUE(LoadCrestList(fs::path("/nonexistent/crests.txt"), &crests, &error));
    EXPECT_TRUE(crests.empty());
    ASSERT_TRUE(LoadCrestList(WriteTemp(temp, "crests.txt", "# club crests\nkiel.bmp 255,255,255 0,60,140 hoops THW\n"),
                              &crests, &error))
        << error;
    ASSERT_EQ(crests.size(), 1u);
    EXPECT_EQ(crests[0].file, "kiel.bmp");
    EXPECT_EQ(crests[0].design.second, Rgb(0, 60, 140));
    EXPECT_EQ(crests[0].design.pattern, CrestPattern::Hoops);
    EXPECT_EQ(crests[0].design.initials, "THW");
    EXPECT_FALSE(LoadCrestList(WriteTemp(temp, "crests.txt", "a.bmp 1,2,3 4,5,6 zigzag A\n"), &crests, &error));
    EXPECT_NE(error.find(":1:"), std::string::npos) << error;
}

TEST(NationMaps, HaveThreeDigitNamesAndAnOutlinePerNation) {
    TempFolder temp;
    EXPECT_EQ(NationMapPath(7), "Maps\\Nation007.bmp");
    EXPECT_EQ(NationMapPath(196), "Maps\\Nation196.bmp");
    const Bitmap a = DrawNationMap(34), b = DrawNationMap(34), c = DrawNationMap(35);
    ASSERT_EQ(a.Width(), kNationMapSide);
    const size_t n = size_t(kNationMapSide) * kNationMapSide;
    EXPECT_TRUE(std::equal(a.Pixels(), a.Pixels() + n, b.Pixels()));
    EXPECT_FALSE(std::equal(a.Pixels(), a.Pixels() + n, c.Pixels()));
    std::vector<int> nations;
    std::string error;
    ASSERT_TRUE(LoadNationMapList(WriteTemp(temp, "maps.txt", "34 45 # Germany, France\n196\n"), &nations, &error));
    EXPECT_EQ(nations, (std::vector<int>{34, 45, 196}));
    EXPECT_FALSE(LoadNationMapList(WriteTemp(temp, "maps.txt", "34 x1\n"), &nations, &error));
}
