#include "ui/PlayerViews.h"

#include "platform/Text.h"
#include "ui/KeepTools.h"
#include "ui/PaintSettings.h"
#include "ui/Shading.h"
#include "ui/SkinBitmaps.h"
#include "world/Player.h"
#include "world/Vocabulary.h"

namespace {

constexpr int kSkillCell = 24;
constexpr int kKeeperSkillColumn = 10;
constexpr int kFlagWidth = 60;
constexpr int kFlagHeight = 40;
constexpr int kFlagsPerRow = 10;
constexpr int kEmptyCardTenths = 4;  // per pixel of half the card's height
constexpr int kEmptyCardShade = 48;
// Colours whose channels weigh more than this read black text.
constexpr int kLightColour = 3 * 128;

}  // namespace

const std::array<DetailColumn, kDetailColumnCount> kDetailColumns = {{
    {"name", 70}, {"pos", 20}, {"st", 10}, {"fo", 10}, {"mt", 10}, {"no", 10}, {"rs", 10}, {"ski.", 15},
    {"height", 20}, {"ta", 10}, {"fr", 10}, {"fi", 10}, {"ma", 10}, {"ag", 10}, {"na", 10}, {"nat", 0},
}};

Rect DetailColumnRect(int i, int left, int right, int top, int bottom) {
    const auto at = [&](int tenths) { return left + (right - left) * tenths / (10 * kDetailRowUnits); };
    int tenths = 0;
    for (int k = 0; k < i; ++k)
        tenths += kDetailColumns[static_cast<size_t>(k)].tenths;
    const int to = i == kDetailColumnCount - 1 ? right : at(tenths + kDetailColumns[static_cast<size_t>(i)].tenths);
    return {at(tenths), top, to, bottom};
}

void DrawEmptyCard(const Rect& r, DeviceContext& dc, int positionCode) {
    if (r.IsEmpty())
        return;
    KeepTools keep(dc);
    FillGradientRect(r, kWhite, false, kEmptyCardShade, dc);
    dc.FrameRect(r, Brush::Solid(kBlack));
    dc.SelectFont(Font::Point(g_fontFaceName, kEmptyCardTenths * r.Height() / 2));
    dc.SetBackMode(BackMode::Transparent);
    dc.SetTextColour(kBlack);
    if (positionCode >= 0 && positionCode < kPositionCount)
        dc.DrawText(std::string(g_positionCodes + 2 * positionCode, 2), r, TextCentred);
}

void DrawSkillIcon(DeviceContext& dc, const Rect& r, bool goalkeeper, int skill, int level) {
    if (level == kNormalSkill || level < kSkillDeficit || level > kTopSkillLevel)
        return;
    const int column = skill + (goalkeeper ? kKeeperSkillColumn : 0);
    const int row = level == kSkillDeficit ? 0 : level - 1;
    dc.StretchBlt(r, g_bmpSkills,
                  {column * kSkillCell, row * kSkillCell, (column + 1) * kSkillCell, (row + 1) * kSkillCell},
                  RasterOp::Copy);
}

void DrawNationFlag(DeviceContext& dc, const Rect& r, int nation) {
    const int x = nation % kFlagsPerRow * kFlagWidth, y = nation / kFlagsPerRow * kFlagHeight;
    dc.StretchBlt(r, g_bmpFlags, {x, y, x + kFlagWidth, y + kFlagHeight}, RasterOp::Copy);
}

std::string ShownStrength(const CPlayer& p) {
    return p.styleTraits & CPlayer::kStrengthHidden ? "1.0" : Format("%.1f", p.playingStrength);
}

Colour TextColourOn(Colour background) {
    return RedOf(background) + GreenOf(background) + BlueOf(background) > kLightColour ? kBlack : kWhite;
}
