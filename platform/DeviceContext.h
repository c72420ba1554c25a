#pragma once

#include <span>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/DrawingTools.h"
#include "platform/Geometry.h"

// How a copied pixel meets the one it lands on. A black-on-white mask ORed
// in, then the picture (black where the mask is white) ANDed in, leaves the
// background wherever the mask is white; the reverse pair (mask AND, picture
// OR) works for masks that are black where the picture shows.
enum class RasterOp { Copy, And, Or, Xor };

enum class StretchMode { Nearest, Filtered };
enum class BackMode { Transparent, Opaque };
enum class FillMode { Alternate, Winding };

// Flags of DrawText, as bits: one horizontal and one vertical alignment,
// plus the line rules. The vertical alignments act only with TextSingleLine.
enum TextFormat : unsigned {
    TextLeft = 0x000,
    TextCenter = 0x001,
    TextRight = 0x002,
    TextTop = 0x000,
    TextVCenter = 0x004,
    TextBottom = 0x008,
    TextWordBreak = 0x010,
    TextSingleLine = 0x020,
    TextNoClip = 0x100,
    // Horizontally and vertically centred on one line.
    TextCentred = TextCenter | TextVCenter | TextSingleLine,
};

// A device context draws into the bitmap selected into it, with the pen,
// brush and font selected into it. Every Select returns what it replaced.
// Save and Restore keep and bring back the whole state (tools, colours,
// modes, position, clip).
//
// Text goes through one virtual member, DrawTextUtf8, so a recording device
// context can log what would be written without depending on font pixels.
class DeviceContext {
public:
    explicit DeviceContext(Bitmap* target = nullptr);
    virtual ~DeviceContext() = default;

    Bitmap* SelectBitmap(Bitmap* target);
    Bitmap* Target() const { return target_; }
    int Width() const { return target_ ? target_->Width() : 0; }
    int Height() const { return target_ ? target_->Height() : 0; }

    Pen SelectPen(const Pen& pen);
    Brush SelectBrush(const Brush& brush);
    Font SelectFont(const Font& font);
    const Pen& CurrentPen() const { return state_.pen; }
    const Brush& CurrentBrush() const { return state_.brush; }
    const Font& CurrentFont() const { return state_.font; }

    Colour SetTextColour(Colour c);
    Colour SetBackColour(Colour c);
    BackMode SetBackMode(BackMode m);
    StretchMode SetStretchMode(StretchMode m);
    Colour TextColour() const { return state_.textColour; }
    Colour BackColour() const { return state_.backColour; }
    BackMode GetBackMode() const { return state_.backMode; }

    // Drawing outside the clip rectangle (and the bitmap) is dropped.
    // An empty rectangle clips nothing away but the bitmap's edges.
    void SetClipRect(const Rect& clip);

    // Save returns the new depth; Restore(n) goes back to the state saved
    // at depth n, Restore() to the last one. False when there is no such state.
    int Save();
    bool Restore(int depth = -1);

    // Lines: the end point is not drawn, so joined lines meet without overlap.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    Point CurrentPosition() const { return state_.position; }

    Colour GetPixel(int x, int y) const;
    void SetPixel(int x, int y, Colour c);

    void FillRect(const Rect& r, const Brush& brush);
    void FillRect(const Rect& r, Colour c) { FillRect(r, Brush::Solid(c)); }
    // A one-pixel frame just inside the rectangle.
    void FrameRect(const Rect& r, const Brush& brush);
    void InvertRect(const Rect& r);
    // Shapes are outlined with the pen and filled with the brush.
    void Rectangle(const Rect& r);
    void Ellipse(const Rect& r);
    void RoundRect(const Rect& r, int cornerWidth, int cornerHeight);
    // The part of the ellipse in r from the ray toward start counter-clockwise
    // (as seen on the screen) to the ray toward end; the whole ellipse when
    // they point the same way.
    void Arc(const Rect& r, Point start, Point end);
    void Polygon(std::span<const Point> points, FillMode mode = FillMode::Alternate);

    void BitBlt(int x, int y, int width, int height, const Bitmap& src, int srcX, int srcY, RasterOp op);
    void StretchBlt(const Rect& dst, const Bitmap& src, const Rect& srcRect, RasterOp op);

    // Text in code page 1252, laid out in rect by the TextFormat flags, in the
    // text colour; the background of each line is filled in the back colour
    // when the back mode is opaque. Returns the height of the text drawn.
    int DrawText(const std::string& cp1252, const Rect& rect, unsigned format);
    // Text with its top-left corner at (x, y), unclipped.
    void TextOut(int x, int y, const std::string& cp1252);
    // Width and height of one line of text in the current font.
    Point MeasureText(const std::string& cp1252) const;
    int LineHeight() const;

protected:
    virtual int DrawTextUtf8(const std::string& utf8, const Rect& rect, unsigned format);

private:
    struct State {
        Pen pen;
        Brush brush;
        Font font;
        Colour textColour = kBlack;
        Colour backColour = kWhite;
        BackMode backMode = BackMode::Opaque;
        StretchMode stretchMode = StretchMode::Nearest;
        Point position;
        Rect clip;
    };

    Rect ClipBounds() const;
    void FillSpan(int y, int x0, int x1, Colour c);
    void PlotPen(int x, int y);
    void DrawSegment(Point from, Point to, bool includeEnd);
    void FillRounded(const Rect& r, int radiusX, int radiusY, Colour c);
    void DrawRounded(const Rect& r, int cornerWidth, int cornerHeight);
    void FillPolygon(std::span<const Point> points, FillMode mode, Colour c);
    void BlendGlyph(const uint8_t* coverage, int pitch, int width, int height, int x, int y,
                    const Rect& clip, Colour c);

    Bitmap* target_;
    State state_;
    std::vector<State> saved_;
    int dotPhase_ = 0;
};
