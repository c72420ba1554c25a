// Text output of a device context: layout by the DrawText flags, glyphs
// blended in the text colour.
#include <algorithm>

#include "platform/DeviceContext.h"
#include "platform/FontEngine.h"
#include "platform/Text.h"

namespace {

std::u32string DecodeUtf8(const std::string& s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        const int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        for (int k = 1; k <= extra && i + k < s.size(); ++k)
            cp = cp << 6 | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out += cp;
        i += extra + 1;
    }
    return out;
}

int LineWidth(FontFace& face, const std::u32string& line) {
    int w = 0;
    for (char32_t c : line)
        w += face.Advance(c);
    return w;
}

// Greedy wrapping at blanks; a word wider than the line keeps a line of its own.
void WrapParagraph(FontFace& face, const std::u32string& paragraph, int width, std::vector<std::u32string>& lines) {
    std::u32string line;
    size_t start = 0;
    bool any = false;
    while (start <= paragraph.size()) {
        size_t end = paragraph.find(U' ', start);
        if (end == std::u32string::npos)
            end = paragraph.size();
        const std::u32string word = paragraph.substr(start, end - start);
        const std::u32string candidate = any ? line + U' ' + word : word;
        if (!any || LineWidth(face, candidate) <= width) {
            line = candidate;
        } else {
            lines.push_back(line);
            line = word;
        }
        any = true;
        start = end + 1;
    }
    lines.push_back(line);
}

std::vector<std::u32string> LayoutLines(FontFace& face, const std::u32string& text, const Rect& rect,
                                        unsigned format) {
    std::vector<std::u32string> lines;
    if (format & TextSingleLine) {
        std::u32string line;
        for (char32_t c : text)
            if (c != U'\r' && c != U'\n')
                line += c;
        lines.push_back(line);
        return lines;
    }
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(U'\n', start);
        if (end == std::u32string::npos)
            end = text.size();
        std::u32string paragraph = text.substr(start, end - start);
        std::erase(paragraph, U'\r');
        if (format & TextWordBreak)
            WrapParagraph(face, paragraph, rect.Width(), lines);
        else
            lines.push_back(paragraph);
        start = end + 1;
    }
    return lines;
}

}  // namespace

int DeviceContext::DrawText(const std::string& cp1252, const Rect& rect, unsigned format) {
    return DrawTextUtf8(Cp1252ToUtf8(cp1252), rect, format);
}

void DeviceContext::TextOut(int x, int y, const std::string& cp1252) {
    constexpr int kUnbounded = 1 << 20;
    DrawText(cp1252, Rect{x, y, x + kUnbounded, y + kUnbounded}, TextLeft | TextTop | TextSingleLine | TextNoClip);
}

Point DeviceContext::MeasureText(const std::string& cp1252) const {
    FontFace* face = FindFontFace(state_.font);
    if (!face)
        return {};
    return {LineWidth(*face, DecodeUtf8(Cp1252ToUtf8(cp1252))), face->Height()};
}

int DeviceContext::LineHeight() const {
    FontFace* face = FindFontFace(state_.font);
    return face ? face->Height() : 0;
}

int DeviceContext::DrawTextUtf8(const std::string& utf8, const Rect& rect, unsigned format) {
    FontFace* face = FindFontFace(state_.font);
    if (!face || !target_)
        return 0;
    const std::vector<std::u32string> lines = LayoutLines(*face, DecodeUtf8(utf8), rect, format);
    const int lineHeight = face->Height();
    int y = rect.top;
    if (format & TextSingleLine) {
        if (format & TextBottom)
            y = rect.bottom - lineHeight;
        else if (format & TextVCenter)
            y = rect.top + (rect.Height() - lineHeight) / 2;
    }
    const Rect clip = (format & TextNoClip) ? ClipBounds() : rect.Intersect(ClipBounds());
    for (const std::u32string& line : lines) {
        const int width = LineWidth(*face, line);
        int x = rect.left;
        if (format & TextRight)
            x = rect.right - width;
        else if (format & TextCenter)
            x = rect.left + (rect.Width() - width) / 2;
        if (state_.backMode == BackMode::Opaque) {
            const Rect box = Rect{x, y, x + width, y + lineHeight}.Intersect(clip);
            for (int row = box.top; row < box.bottom; ++row)
                FillSpan(row, box.left, box.right, state_.backColour);
        }
        for (char32_t c : line) {
            const Glyph& g = face->GetGlyph(c);
            BlendGlyph(g.coverage.data(), g.width, g.width, g.height, x + g.left, y + face->Ascent() - g.top, clip,
                       state_.textColour);
            x += g.advance;
        }
        y += lineHeight;
    }
    return lineHeight * static_cast<int>(lines.size());
}

void DeviceContext::BlendGlyph(const uint8_t* coverage, int pitch, int width, int height, int x, int y,
                               const Rect& clip, Colour c) {
    const Rect area = Rect{x, y, x + width, y + height}.Intersect(clip);
    const int cr = RedOf(c), cg = GreenOf(c), cb = BlueOf(c);
    for (int row = area.top; row < area.bottom; ++row) {
        const uint8_t* cov = coverage + (row - y) * pitch;
        uint32_t* dst = target_->Row(row);
        for (int col = area.left; col < area.right; ++col) {
            const int a = cov[col - x];
            if (a == 0)
                continue;
            const Colour d = dst[col];
            auto mix = [a](int from, int to) { return from + ((to - from) * a + 127) / 255; };
            dst[col] = Rgb(mix(RedOf(d), cr), mix(GreenOf(d), cg), mix(BlueOf(d), cb));
        }
    }
}
