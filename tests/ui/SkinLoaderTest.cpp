#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "platform/Path.h"
#include "tests/TempFolder.h"
#include "ui/SkinLoader.h"

namespace {

namespace fs = std::filesystem;

using Colours = std::array<Colour, kSkinColourCount>;

void WriteText(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

// "*R,G,B*" entries for colours from..to-1, each R = its index.
std::string Entries(int from, int to) {
    std::string text;
    for (int i = from; i < to; ++i)
        text += "colour " + std::to_string(i) + " *" + std::to_string(i) + ",1,2*\n";
    return text;
}

// A program folder of its own with a skin folder in it.
class SkinLoader : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = temp_.Path();
        skin = root_ / "bitmaps" / "ORIGINAL";  // found without regard to case
        fs::create_directories(skin);
        SetProgramFolder(root_);
    }
    void TearDown() override { SetProgramFolder(GetModulePath().parent_path()); }

    fs::path skin;

private:
    TempFolder temp_;
    fs::path root_;
};

}  // namespace

TEST_F(SkinLoader, LoadsEachFileIntoItsPictureAndGivesMissingOrBrokenOnesTheSmallBlackOne) {
    ASSERT_TRUE(Bitmap(30, 20, Rgb(1, 2, 3)).SaveBmp24(skin / "HALL.BMP"));
    ASSERT_TRUE(Bitmap(40, 30, Rgb(4, 5, 6)).SaveBmp24(skin / "keyvisual.bmp"));
    ASSERT_TRUE(Bitmap(12, 8, Rgb(7, 8, 9)).SaveBmp24(skin / "UPEDGE.BMP"));
    ASSERT_TRUE(Bitmap(14, 6, Rgb(9, 9, 9)).SaveBmp24(skin / "TRIKOTS.BMP"));
    WriteText(skin / "BGGAME.BMP", "BM not really a bitmap");
    g_layoutPoints[kLayoutClubLogo] = {64, 48};
    g_bmpBackGame.Create(99, 99, kWhite);  // a previous skin's picture goes

    WindowSkinBitmaps window;
    LoadSkinBitmaps("Bitmaps\\Original\\", window);
    MeasureSkinBitmaps(window);

    EXPECT_EQ(g_bmpHall.Width(), 30);
    EXPECT_EQ(g_bmpHall.GetPixel(0, 0), Rgb(1, 2, 3));
    EXPECT_EQ(window.edge.Width(), 12);
    EXPECT_EQ(g_pCardBitmap, &window.edge);
    EXPECT_EQ(g_pViewBitmap, &window.view);
    EXPECT_EQ(window.view.Width(), 14);
    for (const Bitmap* fallback : {&g_bmpBackGame, &g_bmpDButtons, &window.mainMenu, &window.modeButtons}) {
        EXPECT_EQ(fallback->Width(), kMissingSkinBitmapSide);
        EXPECT_EQ(fallback->Height(), kMissingSkinBitmapSide);
        EXPECT_EQ(fallback->GetPixel(5, 5), kBlack);
    }

    EXPECT_EQ(g_layoutPoints[kLayoutKeyVisual], (Size{40, 30}));
    EXPECT_EQ(g_layoutPoints[kLayoutEdge], (Size{12, 8}));
    EXPECT_EQ(g_layoutPoints[kLayoutBackTeam], (Size{10, 10}));
    EXPECT_EQ(g_layoutPoints[kLayoutModeButtons], (Size{10, 10}));
    EXPECT_EQ(g_layoutPoints[kLayoutClubLogo], (Size{64, 48}));  // the logo loader's entry
}

// The loader's own list of where each file goes must follow the file table:
// every file, told apart by its width, reaches the picture the table names.
TEST_F(SkinLoader, EveryFileOfTheTableReachesTheReceiverItNames) {
    WindowSkinBitmaps window;
    const std::map<std::string, const Bitmap*> receivers = {
        {"g_bmpSkills", &g_bmpSkills},         {"g_bmpFlags", &g_bmpFlags},
        {"g_bmpProperty", &g_bmpProperty},     {"g_bmpHall", &g_bmpHall},
        {"g_bmpBackGame", &g_bmpBackGame},     {"g_bmpBackFinance", &g_bmpBackFinance},
        {"g_bmpBackClub", &g_bmpBackClub},     {"g_bmpBackStatistics", &g_bmpBackStatistics},
        {"g_bmpBackDialog", &g_bmpBackDialog}, {"g_bmpBackTeam", &g_bmpBackTeam},
        {"g_bmpTButtons", &g_bmpTButtons},     {"g_bmpBar", &g_bmpBar},
        {"g_bmpTraining", &g_bmpTraining},     {"g_bmpSIcon", &g_bmpSIcon},
        {"g_bmpScrollBar", &g_bmpScrollBar},   {"g_bmpPics", &g_bmpPics},
        {"g_bmpMoney", &g_bmpMoney},           {"g_bmpPkView", &g_bmpPkView},
        {"mainMenuBitmap", &window.mainMenu},  {"layerBitmap", &window.layer},
        {"edgeBitmap", &window.edge},          {"emptyLayerBitmap", &window.emptyLayer},
        {"modeButtonBitmap", &window.modeButtons}, {"g_bmpDButtons", &g_bmpDButtons},
        {"g_bmpFanArticles", &g_bmpFanArticles}, {"g_bmpLogoBall", &g_bmpLogoBall},
        {"g_bmpKeyVisual", &g_bmpKeyVisual},   {"viewBitmap", &window.view},
    };
    const std::span<const SkinFile> files = SkinBitmapFiles();
    for (size_t i = 0; i < files.size(); ++i)
        ASSERT_TRUE(Bitmap(20 + static_cast<int>(i), 4).SaveBmp24(skin / files[i].name));
    LoadSkinBitmaps("Bitmaps\\Original\\", window);
    ASSERT_EQ(receivers.size(), files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        ASSERT_TRUE(receivers.contains(files[i].receiver)) << files[i].receiver;
        EXPECT_EQ(receivers.at(files[i].receiver)->Width(), 20 + static_cast<int>(i)) << files[i].name;
    }
}

TEST_F(SkinLoader, DialogSkinLoadsOnlyTheDialogPicturesAndMeasuresTheBackground) {
    ASSERT_TRUE(Bitmap(32, 24).SaveBmp24(skin / "BGDIALOG.BMP"));
    ASSERT_TRUE(Bitmap(30, 20).SaveBmp24(skin / "HALL.BMP"));
    LoadDialogSkin("Bitmaps\\Original\\");
    EXPECT_EQ(g_layoutPoints[kLayoutBackDialog], (Size{32, 24}));
    EXPECT_EQ(g_bmpDButtons.Width(), kMissingSkinBitmapSide);
    EXPECT_TRUE(g_bmpHall.IsEmpty());
}

TEST_F(SkinLoader, ASkinWithOnlyItsColourFileGetsItsColoursAndEmptyPictures) {
    WriteText(skin / "grafik.TXT", "background *1,2,3* frame *4,5,6*");
    WindowSkinBitmaps window;
    LoadSkinBitmaps("Bitmaps\\Original\\", window);
    EXPECT_EQ(g_skinColours[0], Rgb(1, 2, 3));
    EXPECT_EQ(g_skinColours[1], Rgb(4, 5, 6));
    EXPECT_EQ(g_skinColours[2], kDefaultSkinColours[2]);
    EXPECT_EQ(g_bmpKeyVisual.Width(), kMissingSkinBitmapSide);

    fs::remove(skin / "grafik.TXT");
    LoadSkinColours("Bitmaps\\Original\\");  // no file: the defaults again
    EXPECT_EQ(g_skinColours, kDefaultSkinColours);
}

// Either once threw out of the loader (a folder) or waited for a writer
// (a pipe) while the game started.
TEST_F(SkinLoader, AFolderOrAPipeInTheColourFilesPlaceKeepsTheDefaultColours) {
    const fs::path file = skin / "Grafik.txt";
    struct Case {
        const char* what;
        bool (*make)(const fs::path&);
    };
    const Case cases[] = {
        {"folder", [](const fs::path& p) { return fs::create_directory(p); }},
        {"pipe", [](const fs::path& p) { return ::mkfifo(p.c_str(), 0600) == 0; }},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.make(file)) << c.what;
        g_skinColours[0] = Rgb(1, 2, 3);
        LoadSkinColours("Bitmaps\\Original\\");
        EXPECT_EQ(g_skinColours, kDefaultSkinColours) << c.what;
        EXPECT_EQ(g_listMarkColours, kDefaultListMarkColours) << c.what;
        fs::remove(file);
    }
}

TEST(SkinColourFile, EntriesBetweenAsterisksSetTheColoursInTurn) {
    struct Case {
        const char* text;
        int count;
        Colour first;
        Colour second;
    };
    const Colour d0 = kDefaultSkinColours[0], d1 = kDefaultSkinColours[1];
    const Case cases[] = {
        {"background *20,50,100* frame *75,110,170*", 2, Rgb(20, 50, 100), Rgb(75, 110, 170)},
        {"*255*", 1, Rgb(255, 0, 0), d1},
        {"*1,2* *,,7*", 2, Rgb(1, 2, 0), Rgb(0, 0, 7)},
        {"**empty entries do not count** *3,4,5*", 1, Rgb(3, 4, 5), d1},
        {"*** *3,4,5*", 1, Rgb(0, 0, 0), d1},  // the pairs are "**" and "* *"; "3,4,5" is outside
        {"* -1, 300 ,x9, 4*", 1, Rgb(255, 44, 0), d1},
        {"*+7,\t8 apples,9*", 1, Rgb(7, 8, 9), d1},
        {"*1,2,3* *4,5", 2, Rgb(1, 2, 3), Rgb(4, 5, 0)},  // the unpaired last one runs to the end
        {"no entries at all", 0, d0, d1},
        {"*99999999999999999999,256,-256*", 1, Rgb(255, 0, 0), d1},  // each modulo 256
    };
    for (const Case& c : cases) {
        Colours colours = kDefaultSkinColours;
        EXPECT_EQ(ReadSkinColours(c.text, colours), c.count) << c.text;
        EXPECT_EQ(colours[0], c.first) << c.text;
        EXPECT_EQ(colours[1], c.second) << c.text;
    }
}

TEST(SkinColourFile, EntriesAfterTheHundredthAreIgnored) {
    Colours colours = kDefaultSkinColours;
    EXPECT_EQ(ReadSkinColours(Entries(0, 130), colours), kSkinColourCount);
    EXPECT_EQ(colours[99], Rgb(99, 1, 2));
}

TEST_F(SkinLoader, ListMarksFollowColours37To40OnlyWhenTheFileReachesThem) {
    WriteText(skin / "Grafik.txt", Entries(0, 41));
    LoadSkinColours("Bitmaps\\Original\\");
    EXPECT_EQ(g_listMarkColours[0], kBlack);
    EXPECT_EQ(g_listMarkColours[1], Rgb(37, 1, 2));
    EXPECT_EQ(g_listMarkColours[4], Rgb(40, 1, 2));

    WriteText(skin / "Grafik.txt", Entries(0, 40));
    LoadSkinColours("Bitmaps\\Original\\");
    EXPECT_EQ(g_skinColours[39], Rgb(39, 1, 2));
    EXPECT_EQ(g_listMarkColours, kDefaultListMarkColours);  // not the last skin's
}
