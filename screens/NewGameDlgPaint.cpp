#include <algorithm>

#include "screens/NewGameDlg.h"
#include "ui/Buttons.h"
#include "ui/PaintSettings.h"
#include "ui/Shading.h"
#include "ui/SkinBitmaps.h"
#include "world/Continent.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/Team.h"
#include "world/Vocabulary.h"
#include "world/World.h"

// The wizard paints its pages itself in the skin's colours and pictures; a
// full paint lays the current page out and stores its click areas.

namespace {

constexpr int kTitleHeight = 30;
constexpr int kButtonSize = 50;
constexpr int kButtonMargin = 10;
constexpr int kPageInset = 5;
constexpr int kShadeLimit = 16;
constexpr int kTitleTenthsOfPoint = 150;
constexpr Colour kLighten = 0x606060;
constexpr Point kBackPicture{0, 50};
constexpr Point kNextPicture{0, 0};
constexpr int kFlagWidth = 60;
constexpr int kFlagHeight = 40;

const char* const kTitles[] = {"Start - name and game-type", "Start - adjust game world", "Start - select club"};
const char* const kColumnCaptions[] = {"nation", "league", "team", "continent", "national team"};

Colour Skin(int index) { return g_skinColours[index]; }

// A list box with its caption above and its scroll bar on the left.
struct ListParts {
    Rect caption, list, bar, up, down;
};

ListParts LayOutList(const Rect& r, int captionHeight, int barWidth) {
    ListParts p;
    p.caption = {r.left, r.top, r.right, r.top + captionHeight};
    const int top = p.caption.bottom;
    p.up = {r.left, top, r.left + barWidth, top + barWidth};
    p.down = {r.left, r.bottom - barWidth, r.left + barWidth, r.bottom};
    p.bar = {r.left, p.up.bottom, r.left + barWidth, p.down.top};
    p.list = {r.left + barWidth, top, r.right, r.bottom};
    return p;
}

void PutList(std::array<Rect, CNewGameDlg::kHitAreaCount>& hit, const ListParts& p, int list, int bar, int up) {
    hit[list] = p.list;
    hit[bar] = p.bar;
    hit[up] = p.up;
    hit[up + 1] = p.down;
}

// The caption stands over the whole box, its scroll bar included.
Rect CaptionOf(const Rect& list, const Rect& upArrow, int height) {
    return {upArrow.left, list.top - height, list.right, list.top};
}

// A heading bar with its shadow down and to the right, kept inside the page.
void PaintHeading(DeviceContext& dc, const Rect& page, int top, int height, const char* text) {
    const Rect bar{page.left, top, page.right - height, top + height};
    DrawShadowedGradientRect(bar, Skin(3), kShadeLimit, false, false, false, dc);
    dc.DrawText(text, bar, TextCentred);
}

// A list row's text, a little in from the row's left edge; a selected row
// is inverted with its text, which keeps the text readable.
void PaintRowText(DeviceContext& dc, const Rect& row, const std::string& text, bool selected) {
    const Rect inside{row.left + row.Height() / 4, row.top, row.right, row.bottom};
    dc.DrawText(text, inside, TextLeft | TextVCenter | TextSingleLine);
    if (selected)
        dc.InvertRect(row);
}

// The text in a dark copy a pixel down and to the right first, so that it
// stands out on the light rows as on the dark ones.
void DrawShadowedText(DeviceContext& dc, const std::string& text, const Rect& r) {
    const Colour colour = dc.SetTextColour(kBlack);
    dc.DrawText(text, Rect{r.left + 1, r.top + 1, r.right + 1, r.bottom + 1}, TextCentred);
    dc.SetTextColour(colour);
    dc.DrawText(text, r, TextCentred);
}

void Blit(DeviceContext& dc, const Rect& target, const Bitmap& picture, Point cell, int w, int h) {
    if (!picture.IsEmpty())
        dc.StretchBlt(target, picture, Rect{cell.x, cell.y, cell.x + w, cell.y + h}, RasterOp::Copy);
}

Font RowFont(int rowHeight) { return Font::Point(g_fontFaceName, std::max(60, rowHeight * 5)); }

}  // namespace

const char* CNewGameDlg::PageTitle(int page) { return kTitles[page]; }

std::string CNewGameDlg::ContinentName(int continent) const { return world_->continents[continent]->name; }

void CNewGameDlg::LayOut() {
    const Rect client = ClientRect();
    hit_.fill(Rect{});
    backRect_ = {kButtonMargin, client.bottom - kButtonMargin - kButtonSize, kButtonMargin + kButtonSize,
                 client.bottom - kButtonMargin};
    nextRect_ = {client.right - kButtonMargin - kButtonSize, backRect_.top, client.right - kButtonMargin,
                 backRect_.bottom};
    pageRect_ = {client.left + kPageInset, kTitleHeight + kPageInset, client.right - kPageInset,
                 backRect_.top - kPageInset};
    const Rect& pa = pageRect_;
    const int u = pa.Height() / 10;
    const int bar = std::max(8, u / 2);
    if (page_ == 0) {
        const int w = pa.Width() / 3, h = pa.Height() / 16;
        const int left = pa.Center().x - w / 2;
        hit_[kRealCareer] = {left, pa.top + 6 * u, left + w, pa.top + 6 * u + h};
        hit_[kSelectClub] = {left, pa.top + 7 * u, left + w, pa.top + 7 * u + h};
    } else if (page_ == 1) {
        hit_[kPassivateOthers] = {pa.left + pa.Width() / 4, pa.top + u, pa.right - pa.Width() / 4, pa.top + 3 * u / 2};
        const int top = pa.top + 2 * u, bottom = pa.top + 9 * u;
        const int split = pa.left + pa.Width() * 9 / 20;
        PutList(hit_, LayOutList({pa.left, top, split, bottom}, u / 2, bar), kContinentList, kContinentBar,
                kContinentUp);
        const int boxHeight = (bottom - top) * 2 / 5;
        const Rect activeBox{split + u, top, pa.right, top + boxHeight};
        const Rect passiveBox{split + u, bottom - boxHeight, pa.right, bottom};
        PutList(hit_, LayOutList(activeBox, u / 2, bar), kActiveList, kActiveBar, kActiveUp);
        PutList(hit_, LayOutList(passiveBox, u / 2, bar), kPassiveList, kPassiveBar, kPassiveUp);
        const int gapTop = activeBox.bottom + u / 4, gapBottom = passiveBox.top - u / 4;
        const int side = std::max(10, gapBottom - gapTop);
        const int mid = activeBox.Center().x;
        hit_[kActivate] = {mid - side - u / 2, gapTop, mid - u / 2, gapTop + side};
        hit_[kDeactivate] = {mid + u / 2, gapTop, mid + u / 2 + side, gapTop + side};
    } else {
        const int top = pa.top + u, middle = pa.top + 11 * u / 2, bottom = pa.bottom;
        const int gap = u / 2;
        for (int i = 0; i < kColumnCount; ++i) {
            const bool upper = i < kContinentColumn;
            const int across = upper ? 3 : 2;
            const int slot = pa.Width() / across;
            const int k = upper ? i : i - kContinentColumn;
            const Rect box{pa.left + k * slot + gap / 2, upper ? top : middle + gap, pa.left + (k + 1) * slot - gap / 2,
                           upper ? middle : bottom};
            PutList(hit_, LayOutList(box, u / 2, bar), i, 5 + i, 10 + 2 * i);
        }
    }
}

void CNewGameDlg::OnPaint(DeviceContext& dc) {
    LayOut();
    const int saved = dc.Save();
    dc.SetBackMode(BackMode::Transparent);
    dc.SetStretchMode(StretchMode::Nearest);
    dc.SetTextColour(Skin(7));
    const Rect client = ClientRect();
    if (!g_bmpBackDialog.IsEmpty())
        dc.StretchBlt(client, g_bmpBackDialog, Rect{0, 0, g_bmpBackDialog.Width(), g_bmpBackDialog.Height()},
                      RasterOp::Copy);
    else
        dc.FillRect(client, Rgb(150, 170, 195));
    const Rect title{client.left, client.top, client.right, kTitleHeight};
    FillGradientRect(title, Skin(1), false, kShadeLimit, dc);
    dc.SelectFont(Font::Point(g_fontFaceName, kTitleTenthsOfPoint));
    if (page_ >= 0 && page_ < kFinished)
        dc.DrawText(PageTitle(page_), title, TextCentred);
    Blit(dc, backRect_, g_bmpDButtons, kBackPicture, kButtonSize, kButtonSize);
    Blit(dc, nextRect_, g_bmpDButtons, kNextPicture, kButtonSize, kButtonSize);
    if (page_ == 0)
        PaintPage0(dc);
    else if (page_ == 1)
        PaintPage1(dc);
    else if (page_ == 2)
        PaintPage2(dc);
    dc.Restore(saved);
}

void CNewGameDlg::PaintPage0(DeviceContext& dc) {
    const Rect& pa = pageRect_;
    const int u = pa.Height() / 10;
    dc.SelectFont(RowFont(u / 2));
    PaintHeading(dc, pa, pa.top, u / 2, "name and birthday");
    PaintHeading(dc, pa, pa.top + 5 * u, u / 2, "starting options");
    const char* labels[] = {"real career", "select first club"};
    for (int area : {kRealCareer, kSelectClub}) {
        const bool chosen = (area == kSelectClub) == startWithClub_;
        const Colour c = chosen ? (~Skin(1) & 0xFFFFFF) : Skin(1);
        DrawBevelButton(hit_[area], labels[area], c, dc, kShadeLimit);
    }
    controls_.Paint(dc);
}

void CNewGameDlg::PaintScrollParts(DeviceContext& dc, int listArea, int barArea, int upArea, int count, int shown,
                                   int scroll) const {
    const Rect& bar = hit_[barArea];
    FillGradientRectHorz(bar, Skin(3), false, kShadeLimit, dc);
    Blit(dc, hit_[upArea], g_bmpScrollBar, kScrollUpCell, kScrollBarCell, kScrollBarCell);
    Blit(dc, hit_[upArea + 1], g_bmpScrollBar, kScrollDownCell, kScrollBarCell, kScrollBarCell);
    if (count > shown) {
        const int w = bar.Width();
        const int y = bar.top + (bar.Height() - w) * scroll / std::max(1, count - shown);
        Blit(dc, Rect{bar.left, y, bar.right, y + w}, g_bmpScrollBar, kScrollThumbCell, kScrollBarCell, kScrollBarCell);
    }
    DrawEdgedBox(dc, hit_[listArea], Skin(6), Skin(25));
}

void CNewGameDlg::PaintNationRows(DeviceContext& dc, const std::vector<uint16_t>& list, int scroll, int selected,
                                  const Rect& box, int colourIndex) const {
    const int rowHeight = box.Height() / kNationRows;
    dc.SelectFont(RowFont(rowHeight - 4));
    int row = 0;
    for (int i = std::max(0, scroll); i < static_cast<int>(list.size()) && row < kNationRows; ++i) {
        if (!OnSelectedContinent(list[i]))
            continue;
        const Rect r{box.left + 2, box.top + row * rowHeight + 2, box.right - 2, box.top + (row + 1) * rowHeight - 2};
        const Colour c = i == selected ? (Skin(colourIndex) | kLighten) : Skin(colourIndex);
        DrawShadedRoundRect(r, c, 2, kShadeLimit, dc);
        const int country = CountryOf(list[i]);
        const int fw = r.Height() * 3 / 2;
        const Point cell{country % 10 * kFlagWidth, country / 10 * kFlagHeight};
        Blit(dc, Rect{r.left + 2, r.top, r.left + 2 + fw, r.bottom}, g_bmpFlags, cell, kFlagWidth, kFlagHeight);
        Blit(dc, Rect{r.right - 2 - fw, r.top, r.right - 2, r.bottom}, g_bmpFlags, cell, kFlagWidth, kFlagHeight);
        DrawShadowedText(dc, NationName(country), r);
        ++row;
    }
}

void CNewGameDlg::PaintPage1(DeviceContext& dc) {
    const Rect& pa = pageRect_;
    const int u = pa.Height() / 10;
    dc.SelectFont(RowFont(u / 2));
    PaintHeading(dc, pa, pa.top, u / 2, "select active countries");
    DrawBevelButton(hit_[kPassivateOthers], "Passivate all not selected countries", Skin(1), dc, kShadeLimit);
    const int continents = static_cast<int>(world_->continents.size());
    const int captionHeight = u / 2;
    DrawCushionButton(CaptionOf(hit_[kContinentList], hit_[kContinentUp], captionHeight), "continents (act/ina)",
                      Skin(3), dc, kShadeLimit);
    DrawCushionButton(CaptionOf(hit_[kActiveList], hit_[kActiveUp], captionHeight), "active", Skin(3), dc,
                      kShadeLimit);
    DrawCushionButton(CaptionOf(hit_[kPassiveList], hit_[kPassiveUp], captionHeight), "inactive", Skin(3), dc,
                      kShadeLimit);
    PaintScrollParts(dc, kContinentList, kContinentBar, kContinentUp, continents, kContinentRows, scroll_[0]);
    PaintScrollParts(dc, kActiveList, kActiveBar, kActiveUp, static_cast<int>(active_.size()), 1, scroll_[1]);
    PaintScrollParts(dc, kPassiveList, kPassiveBar, kPassiveUp, static_cast<int>(passivate_.size()), 1, scroll_[2]);
    Blit(dc, hit_[kActivate], g_bmpScrollBar, kScrollUpCell, kScrollBarCell, kScrollBarCell);
    Blit(dc, hit_[kDeactivate], g_bmpScrollBar, kScrollDownCell, kScrollBarCell, kScrollBarCell);

    const Rect& list = hit_[kContinentList];
    const int rowHeight = list.Height() / kContinentRows;
    dc.SelectFont(RowFont(rowHeight));
    for (int row = 0; row < kContinentRows && scroll_[0] + row < continents; ++row) {
        const int c = scroll_[0] + row;
        const Rect r{list.left + 2, list.top + row * rowHeight, list.right - 2, list.top + (row + 1) * rowHeight};
        char counts[32];
        std::snprintf(counts, sizeof counts, " (%d/%d nat.)", ActiveCount(c), PassiveCount(c));
        PaintRowText(dc, r, ContinentName(c) + counts, c == selection_[0]);
    }
    PaintNationRows(dc, active_, scroll_[1], selection_[1], hit_[kActiveList], 11);
    PaintNationRows(dc, passivate_, scroll_[2], selection_[2], hit_[kPassiveList], 12);

    const int legendTop = pa.top + 9 * u + u / 4;
    dc.SelectFont(RowFont(u / 2));
    const int w = pa.Width() / 5;
    const Rect activeSwatch{pa.left + w, legendTop, pa.left + 2 * w, legendTop + u / 2};
    const Rect activatableSwatch{pa.left + 3 * w, legendTop, pa.left + 4 * w, legendTop + u / 2};
    DrawShadedRoundRect(activeSwatch, Skin(11), 2, kShadeLimit, dc);
    dc.DrawText("active", activeSwatch, TextCentred);
    DrawShadedRoundRect(activatableSwatch, Skin(12), 2, kShadeLimit, dc);
    dc.DrawText("activatable", activatableSwatch, TextCentred);
}

std::string CNewGameDlg::LeagueName(int row) const {
    const uint16_t key = active_[selection_[kNationColumn]];
    return world_->continents[key >> 8]->nations[key & 0xFF]->leagues[row]->name;
}

std::string CNewGameDlg::TeamName(int row) const {
    const uint16_t key = active_[selection_[kNationColumn]];
    return world_->continents[key >> 8]->nations[key & 0xFF]->leagues[selection_[kLeagueColumn]]->clubs[row]->name;
}

void CNewGameDlg::PaintColumn(DeviceContext& dc, int column, const char* caption) const {
    const int rows = ColumnRows(column);
    const int count = GetColumnCount(column);
    const Rect& list = hit_[column];
    DrawCushionButton(CaptionOf(list, hit_[10 + 2 * column], pageRect_.Height() / 10 / 2), caption, Skin(3), dc,
                      kShadeLimit);
    PaintScrollParts(dc, column, 5 + column, 10 + 2 * column, count, rows, scroll_[column]);
    const int rowHeight = list.Height() / rows;
    dc.SelectFont(RowFont(rowHeight));
    for (int row = 0; row < rows && scroll_[column] + row < count; ++row) {
        const int at = scroll_[column] + row;
        const Rect r{list.left + 2, list.top + row * rowHeight, list.right - 2, list.top + (row + 1) * rowHeight};
        std::string text;
        switch (column) {
            case kNationColumn: text = NationName(CountryOf(active_[at])); break;
            case kLeagueColumn: text = LeagueName(at); break;
            case kTeamColumn: text = TeamName(at); break;
            case kContinentColumn: text = ContinentName(at); break;
            default:
                text = at == 0 ? "none"
                               : NationName(world_->continents[selection_[kContinentColumn]]->nations[at - 1]->nationNumber);
        }
        PaintRowText(dc, r, text, at == selection_[column]);
    }
}

void CNewGameDlg::PaintPage2(DeviceContext& dc) {
    const Rect& pa = pageRect_;
    const int u = pa.Height() / 10;
    dc.SelectFont(RowFont(u / 2));
    PaintHeading(dc, pa, pa.top, u / 2, "select first club");
    for (int i = 0; i < kColumnCount; ++i)
        PaintColumn(dc, i, kColumnCaptions[i]);
}
