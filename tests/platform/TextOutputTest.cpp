#include <gtest/gtest.h>

#include "platform/FontEngine.h"
#include "platform/RecordingDeviceContext.h"

namespace {

// The box of every pixel that is not the background, or an empty rect.
Rect InkBounds(const Bitmap& b, Colour background) {
    Rect r{b.Width(), b.Height(), 0, 0};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.GetPixel(x, y) != background)
                r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1), std::max(r.bottom, y + 1)};
    return r.IsEmpty() ? Rect{} : r;
}

class TextCanvas : public ::testing::Test {
protected:
    void SetUp() override {
        dc.SelectFont(Font::Point("Verdana", 100));
        dc.SetBackMode(BackMode::Transparent);
        if (dc.LineHeight() == 0)
            GTEST_SKIP() << "no font installed";
    }
    Rect Draw(const std::string& text, unsigned format) {
        picture.Create(200, 100, kWhite);
        dc.DrawText(text, box, format);
        return InkBounds(picture, kWhite);
    }

    Bitmap picture{200, 100, kWhite};
    RecordingDeviceContext dc{&picture};
    const Rect box{20, 10, 180, 90};
};

// A test device context that may call the UTF-8 output directly.
struct Utf8DeviceContext : DeviceContext {
    using DeviceContext::DeviceContext;
    using DeviceContext::DrawTextUtf8;
};

}  // namespace

TEST_F(TextCanvas, AlignmentFlagsPlaceTheTextInsideItsRectangle) {
    const Rect left = Draw("Handball", TextLeft | TextTop | TextSingleLine);
    ASSERT_FALSE(left.IsEmpty());
    EXPECT_LE(left.left - box.left, 2);
    EXPECT_LE(left.top - box.top, 4);

    const Rect right = Draw("Handball", TextRight | TextBottom | TextSingleLine);
    EXPECT_LE(box.right - right.right, 2);
    EXPECT_LE(box.bottom - right.bottom, 5);
    EXPECT_EQ(right.Width(), left.Width());

    const Rect centred = Draw("Handball", TextCentred);
    EXPECT_LE(std::abs((centred.left + centred.right) - (box.left + box.right)), 2);
    EXPECT_LE(std::abs((centred.top + centred.bottom) - (box.top + box.bottom)), 6);

    // The vertical alignments need a single line, as the desktop's rule is.
    const Rect multi = Draw("Handball", TextLeft | TextBottom);
    EXPECT_EQ(multi.top, left.top);
}

TEST_F(TextCanvas, WordBreakWrapsAndClipsToTheRectangle) {
    const Rect one = Draw("one two three four five six seven", TextLeft | TextSingleLine);
    EXPECT_LE(one.right, box.right);  // clipped
    const Rect wrapped = Draw("one two three four five six seven", TextLeft | TextWordBreak);
    EXPECT_GT(wrapped.Height(), dc.LineHeight());
    EXPECT_LE(wrapped.right, box.right);
    EXPECT_EQ(dc.DrawText("a b", Rect{0, 0, 1, 50}, TextWordBreak), 2 * dc.LineHeight());
    EXPECT_EQ(dc.DrawText("a\r\nb", Rect{0, 0, 100, 50}, TextLeft), 2 * dc.LineHeight());

    const Rect unclipped = Draw("a long line past the edge", TextLeft | TextSingleLine | TextNoClip);
    EXPECT_GT(unclipped.right, box.right);
}

TEST_F(TextCanvas, OpaqueModeFillsTheLineBackground) {
    dc.SetBackMode(BackMode::Opaque);
    dc.SetBackColour(Rgb(0, 0, 255));
    picture.Create(200, 100, kWhite);
    dc.DrawText("x", box, TextLeft | TextSingleLine);
    EXPECT_EQ(picture.GetPixel(box.left, box.top), Rgb(0, 0, 255));
}

TEST_F(TextCanvas, EuroByteIsWrittenAsTheEuroSign) {
    dc.SetTextColour(Rgb(255, 0, 0));
    dc.DrawText("12 \x80", box, TextCentred);
    ASSERT_EQ(dc.Texts().size(), 1u);
    const TextRecord& record = dc.Texts()[0];
    EXPECT_EQ(record.utf8, "12 \xE2\x82\xAC");
    EXPECT_EQ(record.rect, box);
    EXPECT_EQ(record.format, static_cast<unsigned>(TextCentred));
    EXPECT_EQ(record.font, Font::Point("Verdana", 100));
    EXPECT_EQ(record.colour, Rgb(255, 0, 0));

    Bitmap euro(40, 30, kWhite), reference(40, 30, kWhite), question(40, 30, kWhite);
    Utf8DeviceContext a(&euro), b(&reference), c(&question);
    for (DeviceContext* d : {static_cast<DeviceContext*>(&a), static_cast<DeviceContext*>(&b), static_cast<DeviceContext*>(&c)})
        d->SelectFont(Font::Point("Verdana", 160));
    a.DrawText("\x80", Rect{0, 0, 40, 30}, TextLeft);
    b.DrawTextUtf8("\xE2\x82\xAC", Rect{0, 0, 40, 30}, TextLeft);
    c.DrawText("?", Rect{0, 0, 40, 30}, TextLeft);
    EXPECT_FALSE(InkBounds(euro, kWhite).IsEmpty());
    EXPECT_EQ(std::vector<uint32_t>(euro.Pixels(), euro.Pixels() + 1200),
              std::vector<uint32_t>(reference.Pixels(), reference.Pixels() + 1200));
    EXPECT_NE(std::vector<uint32_t>(euro.Pixels(), euro.Pixels() + 1200),
              std::vector<uint32_t>(question.Pixels(), question.Pixels() + 1200));
}

TEST(Fonts, FaceNamesResolveToInstalledLookAlikes) {
    EXPECT_EQ(Font::Point("Verdana", 100).PixelSize(), 13);
    EXPECT_EQ(Font::Point("Verdana", 0).PixelSize(), 1);
    const std::string sans = ResolveFontFile("Verdana", false, false);
    if (sans.empty())
        GTEST_SKIP() << "no font installed";
    EXPECT_NE(sans.find("DejaVuSans"), std::string::npos);
    EXPECT_EQ(ResolveFontFile("MS Sans Serif", false, false), sans);
    EXPECT_NE(ResolveFontFile("Times New Roman", false, false).find("Serif"), std::string::npos);
}
