#pragma once

#include <span>

// The files of a skin folder: the 28 bitmaps in the order the skin loader
// reads them, and the colour file. Each bitmap names the smallest size its
// painters need (the cells they cut from it reach that far) and the cell
// grid a person uses to look at it; the skin builder and its tests check
// against the same table.
struct SkinFile {
    const char* name;      // file name as the game asks for it
    const char* receiver;  // the picture object it is loaded into
    int minWidth;
    int minHeight;
    int cellWidth;  // the grid the painters cut it into; the whole picture
    int cellHeight;  // when the picture is not cut into cells
};

constexpr int kSkinBitmapCount = 28;

// The default skin, always present, relative to the program folder.
constexpr const char* kDefaultSkinFolder = "Bitmaps\\Original\\";
constexpr const char* kSkinColourFile = "Grafik.txt";
// The two pictures the dialogs of the start-up need before the skin is known.
constexpr const char* kDialogBackgroundFile = "BGDIALOG.BMP";
constexpr const char* kDialogButtonsFile = "DBUTTONS.BMP";

// Pictures outside the skin that every skin shares: the crest of a club
// without its own, and the picture shown while the game starts (567 × 310).
constexpr const char* kFallbackCrestPath = "Wappen\\ohne.bmp";
constexpr const char* kStartPicturePath = "Bitmaps\\Startbild.bmp";
constexpr int kStartPictureWidth = 567;
constexpr int kStartPictureHeight = 310;
// The file browser's icons of the file kinds: 16 × 16 pictures side by side
// in the top row, their masks (black where the icon shows) in the row below.
constexpr const char* kFileKindIconsPath = "Bitmaps\\FileKinds.bmp";
constexpr int kFileKindIconSide = 16;
constexpr int kFileKindCount = 9;

// The skin loader gives a picture it cannot read this small black one.
constexpr int kMissingSkinBitmapSide = 10;

std::span<const SkinFile> SkinBitmapFiles();
// The entry of a file name (any case); null when it is no skin bitmap.
const SkinFile* FindSkinFile(const char* name);
