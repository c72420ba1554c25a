#include "ui/SkinLoader.h"

#include "platform/Path.h"
#include "platform/WholeFile.h"
#include "ui/CrestBitmap.h"

namespace {

// Where each file goes, in the order of SkinBitmapFiles(): a global, or a
// picture of the main window.
struct SkinSlot {
    Bitmap* global;
    Bitmap WindowSkinBitmaps::*member;
};

const std::array<SkinSlot, kSkinBitmapCount> kSkinSlots = {{
    {&g_bmpSkills, nullptr},
    {&g_bmpFlags, nullptr},
    {&g_bmpProperty, nullptr},
    {&g_bmpHall, nullptr},
    {&g_bmpBackGame, nullptr},
    {&g_bmpBackFinance, nullptr},
    {&g_bmpBackClub, nullptr},
    {&g_bmpBackStatistics, nullptr},
    {&g_bmpBackDialog, nullptr},
    {&g_bmpBackTeam, nullptr},
    {&g_bmpTButtons, nullptr},
    {&g_bmpBar, nullptr},
    {&g_bmpTraining, nullptr},
    {&g_bmpSIcon, nullptr},
    {&g_bmpScrollBar, nullptr},
    {&g_bmpPics, nullptr},
    {&g_bmpMoney, nullptr},
    {&g_bmpPkView, nullptr},
    {nullptr, &WindowSkinBitmaps::mainMenu},
    {nullptr, &WindowSkinBitmaps::layer},
    {nullptr, &WindowSkinBitmaps::edge},
    {nullptr, &WindowSkinBitmaps::emptyLayer},
    {nullptr, &WindowSkinBitmaps::modeButtons},
    {&g_bmpDButtons, nullptr},
    {&g_bmpFanArticles, nullptr},
    {&g_bmpLogoBall, nullptr},
    {&g_bmpKeyVisual, nullptr},
    {nullptr, &WindowSkinBitmaps::view},
}};

constexpr int kColourComponents = 3;
// The last skin colour a list mark follows.
constexpr int kLastListMarkSkinColour = kFirstListMarkSkinColour + kListMarkColourCount - 2;
constexpr char kEntryMark = '*';
constexpr char kComponentSeparator = ',';

void LoadSkinBitmap(const std::string& skinFolder, const char* file, Bitmap& bitmap) {
    if (!LoadBitmapFromFile(skinFolder + file, bitmap))
        bitmap.Create(kMissingSkinBitmapSide, kMissingSkinBitmapSide, kBlack);
}

Size SizeOf(const Bitmap& b) { return {b.Width(), b.Height()}; }

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// A decimal number as the C library reads one: leading blanks, an optional
// sign, the digits up to the first other character; 0 without digits. The
// value is kept modulo 2^32, which leaves its low byte exact.
uint32_t ReadNumber(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        negative = s[i++] == '-';
    uint32_t value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        value = value * 10 + static_cast<uint32_t>(s[i] - '0');
    return negative ? 0u - value : value;
}

Colour ReadColour(std::string_view entry) {
    int components[kColourComponents] = {0, 0, 0};
    for (int k = 0; k < kColourComponents; ++k) {
        const size_t comma = entry.find(kComponentSeparator);
        components[k] = static_cast<int>(ReadNumber(entry.substr(0, comma)) & 0xFF);
        if (comma == std::string_view::npos)
            break;
        entry.remove_prefix(comma + 1);
    }
    return Rgb(components[0], components[1], components[2]);
}

}  // namespace

void LoadSkinBitmaps(const std::string& skinFolder, WindowSkinBitmaps& window) {
    const std::span<const SkinFile> files = SkinBitmapFiles();
    for (size_t i = 0; i < files.size(); ++i) {
        const SkinSlot& slot = kSkinSlots[i];
        LoadSkinBitmap(skinFolder, files[i].name, slot.global ? *slot.global : window.*slot.member);
    }
    g_pCardBitmap = &window.edge;
    g_pViewBitmap = &window.view;
    LoadSkinColours(skinFolder);
}

void LoadDialogSkin(const std::string& skinFolder) {
    LoadSkinBitmap(skinFolder, kDialogBackgroundFile, g_bmpBackDialog);
    LoadSkinBitmap(skinFolder, kDialogButtonsFile, g_bmpDButtons);
    g_layoutPoints[kLayoutBackDialog] = SizeOf(g_bmpBackDialog);
}

void MeasureSkinBitmaps(const WindowSkinBitmaps& window) {
    const Bitmap* measured[kLayoutClubLogo] = {
        &g_bmpBackTeam,   &g_bmpBackGame,         &g_bmpBackStatistics, &g_bmpBackFinance, &g_bmpBackClub,
        &g_bmpBackDialog, &window.mainMenu,       &window.modeButtons,  &g_bmpTraining,    &g_bmpLogoBall,
        &window.layer,    &window.edge,           &window.emptyLayer,   &g_bmpKeyVisual,
    };
    for (int i = 0; i < kLayoutClubLogo; ++i)
        g_layoutPoints[i] = SizeOf(*measured[i]);
}

int ReadSkinColours(std::string_view text, std::array<Colour, kSkinColourCount>& colours) {
    int n = 0;
    size_t at = text.find(kEntryMark);
    while (at != std::string_view::npos && n < kSkinColourCount) {
        const size_t close = text.find(kEntryMark, at + 1);
        const std::string_view entry = text.substr(at + 1, close == std::string_view::npos ? close : close - at - 1);
        if (!entry.empty())
            colours[n++] = ReadColour(entry);
        if (close == std::string_view::npos)
            break;
        at = text.find(kEntryMark, close + 1);
    }
    return n;
}

// The list marks follow the skin only when its file reaches their colours;
// otherwise they return to their defaults rather than keep the last skin's.
void LoadSkinColours(const std::string& skinFolder) {
    g_skinColours = kDefaultSkinColours;
    g_listMarkColours = kDefaultListMarkColours;
    const std::optional<std::vector<uint8_t>> file = ReadWholeFile(ResolvePath(skinFolder + kSkinColourFile));
    if (!file)
        return;
    const std::string_view text(reinterpret_cast<const char*>(file->data()), file->size());
    if (ReadSkinColours(text, g_skinColours) <= kLastListMarkSkinColour)
        return;
    for (int i = 1; i < kListMarkColourCount; ++i)
        g_listMarkColours[i] = g_skinColours[kFirstListMarkSkinColour + i - 1];
}
