#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "platform/Bitmap.h"
#include "platform/Geometry.h"
#include "tools/assets/ContactSheet.h"
#include "ui/PaintSettings.h"
#include "ui/SkinFiles.h"

namespace fs = std::filesystem;

namespace {

const fs::path kProgram = CORVANTA_PROGRAM_DIR;
const fs::path kSkin = kProgram / "Bitmaps" / "Original";

Bitmap LoadSkinBitmap(const char* name) {
    Bitmap b;
    EXPECT_TRUE(b.LoadBmp(kSkin / name)) << name;
    return b;
}

// The colours of a colour file as the game reads them: R,G,B between pairs
// of asterisks, empty pairs skipped.
std::vector<Colour> ReadColourFile(const std::string& text) {
    std::vector<Colour> colours;
    for (size_t open = text.find('*'); open != std::string::npos; open = text.find('*', open)) {
        const size_t close = text.find('*', open + 1);
        const std::string entry = text.substr(open + 1, close == std::string::npos ? close : close - open - 1);
        if (!entry.empty()) {
            int r = 0, g = 0, b = 0;
            std::sscanf(entry.c_str(), "%d,%d,%d", &r, &g, &b);
            colours.push_back(Rgb(r, g, b));
        }
        if (close == std::string::npos)
            break;
        open = close + 1;
    }
    return colours;
}

struct Sprite {
    const char* file;
    Rect picture;
    Point mask;
    bool inverse;  // drawn mask OR, picture AND (the bank notes)
};

// Every picture of an AND-then-OR sprite must be black where its mask lets
// the ground through, or it tints the screen around it; the notes the
// other way round.
std::vector<Sprite> SpriteCells() {
    std::vector<Sprite> s;
    for (int row = 0; row < 4; ++row) {
        s.push_back({"PICS.BMP", {0, row * 40, 120, row * 40 + 40}, {120, row * 40}, false});
        s.push_back({"PICS.BMP", {160, row * 40, 280, row * 40 + 40}, {280, row * 40}, false});
    }
    s.push_back({"PICS.BMP", {320, 0, 480, 40}, {480, 0}, false});
    s.push_back({"PICS.BMP", {320, 40, 440, 80}, {440, 40}, false});
    s.push_back({"PICS.BMP", {320, 80, 440, 120}, {440, 80}, false});
    for (int k = 0; k < 7; ++k) {
        s.push_back({"LOGOBALL.BMP", {k * 80, 0, k * 80 + 80, 80}, {k * 80, 80}, false});
        for (int row = 0; row < 2; ++row)
            s.push_back({"MONEY.BMP", {360 - 60 * k, row * 40, 420 - 60 * k, row * 40 + 40}, {420, row * 40}, true});
    }
    for (int band = 0; band < 3; ++band)
        s.push_back({"TRAINING.BMP", {0, band * 80, 400, band * 80 + 40}, {0, band * 80 + 40}, false});
    s.push_back({"SBMLAYER.BMP", {0, 0, 240, 560}, {240, 0}, false});
    s.push_back({"SICON.BMP", {0, 50, 200, 150}, {0, 150}, false});
    s.push_back({"PROPERTY.BMP", {0, 0, 320, 40}, {0, 40}, false});
    s.push_back({"TRIKOTS.BMP", {0, 0, 512, 64}, {0, 64}, false});
    return s;
}

// Pictures with several cells share one mask cell per group.
int MaskWidth(const Sprite& s) {
    const std::string f = s.file;
    return f == "PICS.BMP" ? 40 : f == "MONEY.BMP" ? 60 : s.picture.Width();
}

}  // namespace

TEST(SkinFiles, TableNamesTwentyEightDistinctFiles) {
    std::set<std::string> names;
    for (const SkinFile& f : SkinBitmapFiles())
        names.insert(f.name);
    EXPECT_EQ(names.size(), size_t(kSkinBitmapCount));
    EXPECT_EQ(FindSkinFile("pics.bmp"), FindSkinFile("PICS.BMP"));
    EXPECT_EQ(FindSkinFile("NONE.BMP"), nullptr);
}

TEST(SkinFiles, EveryBitmapOfTheDefaultSkinFitsItsCells) {
    for (const SkinFile& f : SkinBitmapFiles()) {
        const Bitmap b = LoadSkinBitmap(f.name);
        SCOPED_TRACE(f.name);
        EXPECT_FALSE(b.Width() == kMissingSkinBitmapSide && b.Height() == kMissingSkinBitmapSide);
        EXPECT_GE(b.Width(), f.minWidth);
        EXPECT_GE(b.Height(), f.minHeight);
        if (f.cellWidth > 0) {
            EXPECT_EQ(b.Width() % f.cellWidth, 0);
            EXPECT_EQ(b.Height() % f.cellHeight, 0);
        }
    }
}

TEST(SkinFiles, SpritesLeaveTheGroundClearOutsideTheirMasks) {
    for (const Sprite& s : SpriteCells()) {
        const Bitmap b = LoadSkinBitmap(s.file);
        const int maskWidth = MaskWidth(s);
        int leaks = 0, grey = 0;
        for (int y = s.picture.top; y < s.picture.bottom; ++y)
            for (int x = s.picture.left; x < s.picture.right; ++x) {
                const Colour mask = b.GetPixel(s.mask.x + (x - s.picture.left) % maskWidth, s.mask.y + y - s.picture.top);
                grey += mask != kBlack && mask != kWhite;
                const bool ground = s.inverse ? mask == kBlack : mask == kWhite;
                leaks += ground && b.GetPixel(x, y) != (s.inverse ? kWhite : kBlack);
            }
        EXPECT_EQ(leaks, 0) << s.file << " at " << s.picture.left << "," << s.picture.top;
        EXPECT_EQ(grey, 0) << s.file << " mask at " << s.mask.x << "," << s.mask.y;
    }
}

TEST(SkinFiles, ColourFileGivesEveryColourInTableOrder) {
    std::ifstream in(kSkin / kSkinColourFile, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    const std::vector<Colour> colours = ReadColourFile(text);
    ASSERT_EQ(colours.size(), size_t(kSkinColourCount));
    for (int i = 0; i < kSkinColourCount; ++i)
        EXPECT_EQ(colours[i], kDefaultSkinColours[i]) << "colour " << i;
}

TEST(SkinFiles, CrestLogosAndStartPictureAreLaidOut) {
    Bitmap crest, start;
    ASSERT_TRUE(crest.LoadBmp(kProgram / "Wappen" / "ohne.bmp"));
    EXPECT_EQ(crest.Width(), 100);
    ASSERT_TRUE(start.LoadBmp(kProgram / "Bitmaps" / "Startbild.bmp"));
    EXPECT_EQ(start.Width(), kStartPictureWidth);
    EXPECT_EQ(start.Height(), kStartPictureHeight);
    int logos = 0;
    for (const auto& entry : fs::directory_iterator(kProgram / "Sponsoren"))
        logos += Bitmap().LoadBmp(entry.path());
    EXPECT_GE(logos, 3);
}

// Each kind's icon shows on its mask alone and leaves the ground clear.
TEST(SkinFiles, FileKindIconsStandOverTheirMasks) {
    Bitmap b;
    ASSERT_TRUE(b.LoadBmp(kProgram / "Bitmaps" / "FileKinds.bmp"));
    const int side = kFileKindIconSide;
    ASSERT_EQ(b.Width(), kFileKindCount * side);
    ASSERT_EQ(b.Height(), 2 * side);
    for (int kind = 0; kind < kFileKindCount; ++kind) {
        int shown = 0, leaks = 0;
        for (int y = 0; y < side; ++y)
            for (int x = kind * side; x < (kind + 1) * side; ++x) {
                const Colour mask = b.GetPixel(x, y + side);
                shown += mask == kBlack;
                leaks += mask == kWhite && b.GetPixel(x, y) != kBlack;
            }
        EXPECT_GT(shown, side * side / 3) << "kind " << kind;
        EXPECT_EQ(leaks, 0) << "kind " << kind;
    }
}

// A person looks at build/skin_contact_sheet.png.
TEST(SkinContactSheet, ShowsEveryBitmapOfTheSkin) {
    std::string missing;
    const Bitmap sheet = DrawContactSheet(kSkin, &missing);
    EXPECT_EQ(missing, "");
    EXPECT_TRUE(sheet.SavePng(fs::path(CORVANTA_BINARY_DIR) / "skin_contact_sheet.png"));
}
