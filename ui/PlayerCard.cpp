#include <algorithm>

#include "platform/Text.h"
#include "ui/KeepTools.h"
#include "ui/PaintSettings.h"
#include "ui/PlayerViews.h"
#include "ui/Shading.h"
#include "ui/Shirt.h"
#include "ui/TalentColours.h"
#include "world/Player.h"
#include "world/Vocabulary.h"

namespace {

constexpr int kCardShade = 48;
constexpr int kTextTenths = 3;  // per pixel of a line's height
constexpr int kMinNickname = 2;
constexpr int kCompactLineTenths = 3;  // of the card's height

// The name the card has room for: the nickname, else the last name.
std::string CardName(const CPlayer& p) {
    return p.nickname.size() >= kMinNickname ? p.nickname : p.lastName;
}

// The position he plays in the lineup on an offence card, his own on a
// defence card (and where he plays none).
int CardPosition(const CPlayer& p, bool offence) {
    return offence && p.GetSlot() != CPlayer::kNoSlot ? p.GetSlot() : p.GetPosition();
}

// His strength class on a badge of his talent, at the line's right end;
// returns where the line's other contents end.
int DrawClassBadge(const CPlayer& p, DeviceContext& dc, const Rect& line) {
    const int h = line.Height();
    const Rect badge{line.right - h - 1, line.top + 1, line.right - 1, line.bottom - 1};
    DrawShadedOctagon(g_talentColours[static_cast<size_t>(std::clamp(p.GetTalent(), 0, kTalentCount - 1))], badge,
                      dc);
    const Colour text = dc.SetTextColour(kBlack);
    dc.DrawText(Format("%d", p.GetStrengthClass()), badge, TextCentred);
    dc.SetTextColour(text);
    return badge.left - 2;
}

// Top line: position and name, on a compact card his class badge too.
void DrawNameLine(const CPlayer& p, DeviceContext& dc, const Rect& line, bool offence, bool compact) {
    const int h = line.Height();
    const Rect code{line.left + 2, line.top, line.left + 2 + h, line.bottom};
    dc.DrawText(std::string(g_positionCodes + 2 * CardPosition(p, offence), 2), code, TextCentred);
    const int end = compact ? DrawClassBadge(p, dc, line) : line.right - 2;
    dc.DrawText(CardName(p), {code.right + 2, line.top, end, line.bottom}, TextLeft | TextVCenter | TextSingleLine);
}

// Middle line: the shirt with his number, the icons of his special skills
// and his class badge.
void DrawNumberLine(const CPlayer& p, DeviceContext& dc, const Rect& line, Colour colour) {
    const int h = line.Height();
    const Rect shirt{line.left + 2, line.top + 1, line.left + 2 + h, line.bottom - 1};
    DrawShirt(shirt, dc, colour);
    const Colour text = dc.SetTextColour(TextColourOn(colour));
    dc.DrawText(Format("%d", p.number), shirt, TextCentred);
    dc.SetTextColour(text);
    const int end = DrawClassBadge(p, dc, line);
    const int skills = p.IsGoalkeeper() ? kKeeperSkillCount : kSkillCount;
    Rect icon{shirt.right + 2, line.top + 1, shirt.right + 2 + h - 2, line.bottom - 1};
    for (int s = 0; s < skills && icon.right <= end; ++s) {
        const int level = p.GetSkillLevel(s);
        if (level == kNormalSkill)
            continue;
        DrawSkillIcon(dc, icon, p.IsGoalkeeper(), s, level);
        icon.Offset(icon.Width() + 1, 0);
    }
}

// Bottom line: playing strength, height and the flag of his nation.
void DrawValueLine(const CPlayer& p, DeviceContext& dc, const Rect& line) {
    const int h = line.Height();
    const Rect flag{line.right - 2 - h * 3 / 2, line.top + 2, line.right - 2, line.bottom - 2};
    DrawNationFlag(dc, flag, p.nationality);
    const int third = (flag.left - line.left) / 2;
    dc.DrawText(ShownStrength(p), {line.left + 2, line.top, line.left + third, line.bottom},
                TextLeft | TextVCenter | TextSingleLine);
    dc.DrawText(Format("%d.%d%dm", p.height / 100, p.height % 100 / 10, p.height % 10),
                {line.left + third, line.top, flag.left, line.bottom}, TextCentred);
}

}  // namespace

void CPlayer::DrawCard(const Rect& r, DeviceContext& dc, bool offence, Colour colour, bool compact) {
    if (r.Width() < 4 || r.Height() < 4)
        return;
    UpdatePlayingStrength(offence);
    KeepTools keep(dc);
    const int saved = dc.Save();
    dc.SetClipRect(r);
    FillGradientRect(r, colour, false, kCardShade, dc);
    dc.FrameRect(r, Brush::Solid(kBlack));
    // A compact card keeps its two lines in its upper part, which the bench
    // leaves in view when the next card overlaps it.
    const int h = compact ? r.Height() * kCompactLineTenths / 10 : r.Height() / 3;
    dc.SelectFont(Font::Point(g_fontFaceName, kTextTenths * h));
    dc.SetBackMode(BackMode::Transparent);
    dc.SetTextColour(TextColourOn(colour));
    DrawNameLine(*this, dc, {r.left, r.top, r.right, r.top + h}, offence, compact);
    if (!compact)
        DrawNumberLine(*this, dc, {r.left, r.top + h, r.right, r.top + 2 * h}, colour);
    const int valueTop = compact ? r.top + h : r.bottom - h;
    DrawValueLine(*this, dc, {r.left, valueTop, r.right, valueTop + h});
    dc.Restore(saved);
}
