#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/DeviceContext.h"

// The skin builder's drawing kit on top of the device context: colour
// mixing, smooth fills, and a supersampled layer that gives shapes and
// symbols soft edges and knows which pixels it covers (for sprite masks).

// weight 0 gives a, 255 gives b.
Colour Mix(Colour a, Colour b, int weight);
inline Colour Lighter(Colour c, int weight) { return Mix(c, kWhite, weight); }
inline Colour Darker(Colour c, int weight) { return Mix(c, kBlack, weight); }

void FillVertical(Bitmap& b, const Rect& r, Colour top, Colour bottom);
void FillHorizontal(Bitmap& b, const Rect& r, Colour left, Colour right);
// inner at the centre, outer from the radius on (an ellipse of radii rx, ry).
void FillRadial(Bitmap& b, const Rect& r, Point centre, int rx, int ry, Colour inner, Colour outer);
void BlendRect(Bitmap& b, const Rect& r, Colour c, int alpha);
// A little even noise, so large fills do not band.
void AddGrain(Bitmap& b, int amplitude, uint32_t seed);
void CopyInto(Bitmap& target, const Bitmap& source, int x, int y);

// A device context that also draws UTF-8 text, for symbols outside code
// page 1252 (arrows, stars, check marks).
class ArtCanvas : public DeviceContext {
public:
    using DeviceContext::DeviceContext;
    int DrawUtf8(const std::string& utf8, const Rect& rect, unsigned format) {
        return DrawTextUtf8(utf8, rect, format);
    }
};

// Bold or regular "DejaVu Sans" at a pixel height.
Font ArtFont(int pixelHeight, bool bold = true);

struct PointF {
    double x;
    double y;
};

// A transparent picture drawn at scale times its size and reduced with a
// box filter. Coordinates are in the layer's own pixels and may be
// fractional. Each shape covers what lies under it. Large pictures take a
// smaller scale; only the area drawn on is reduced.
// Clear pixels are those the layer never covered.
inline constexpr Colour kClear = Rgb(253, 1, 254);

class Layer {
public:
    static constexpr int kFineScale = 4;
    static constexpr int kCoarseScale = 2;

    Layer(int width, int height, int scale = kFineScale);
    int Width() const { return width_; }
    int Height() const { return height_; }

    void Polygon(std::initializer_list<PointF> points, Colour c);
    void Polygon(const std::vector<PointF>& points, Colour c);
    void Ellipse(double l, double t, double r, double b, Colour c);
    void Box(double l, double t, double r, double b, Colour c);
    void RoundRect(double l, double t, double r, double b, double radius, Colour c);
    void Line(PointF from, PointF to, double width, Colour c);
    // Text or symbols, centred in the rectangle on one line.
    void Text(const std::string& utf8, double l, double t, double r, double b, int pixelHeight, Colour c,
              bool bold = true);
    // Recolours what is already covered inside the rectangle by a gradient
    // (only pixels of the colour only, unless it is kClear).
    void ShadeVertical(double l, double t, double r, double b, Colour top, Colour bottom, Colour only = kClear);
    void ShadeRadial(double cx, double cy, double radius, Colour inner, Colour outer);
    // Make covered pixels inside the shape transparent again.
    void CutEllipse(double l, double t, double r, double b);
    void CutBox(double l, double t, double r, double b);

    // A ring segment from angle a0 to a1 (radians, clockwise on screen).
    void Arc(double cx, double cy, double radius, double a0, double a1, double width, Colour c);

    // The reduced picture laid over target at (x, y), at an opacity out of 255.
    void DrawOnto(Bitmap& target, int x, int y, int opacity = 255) const;
    // A sprite for the AND-then-OR drawing: the picture (black where the
    // layer is clear) at picture, and its shape black on white at mask.
    // Shapes of several layers written to one mask add up.
    void WriteSprite(Bitmap& sheet, Point picture, Point mask) const;
    // The same for the OR-then-AND drawing: the mask white on black, the
    // picture white where the layer is clear.
    void WriteInverseSprite(Bitmap& sheet, Point picture, Point mask) const;

private:
    struct Texel {
        Colour colour;
        int alpha;  // 0-255
    };
    Texel Reduce(int x, int y) const;
    void SelectColour(Colour c);
    void Touch(const Rect& big);  // widens the area drawn on
    Rect Drawn() const;           // in layer pixels
    Point Big(PointF p) const;
    Rect Big(double l, double t, double r, double b) const;

    int width_;
    int height_;
    int scale_;
    Rect touched_;  // in big pixels
    Bitmap big_;
    ArtCanvas dc_;
};

// A rounded button face: a dark rim, a body shaded from light to base and
// a soft gloss over its upper half; pressed faces are shaded the other way.
void ButtonFace(Layer& l, double left, double top, double right, double bottom, double radius, Colour base,
                bool pressed = false);
// A handball: a shaded ball with its seams, light from the top left.
void Handball(Layer& l, double cx, double cy, double r, Colour panel, Colour seam);
// Text drawn straight onto a picture in a DejaVu Sans face.
void DrawLabel(Bitmap& target, const std::string& utf8, const Rect& r, int pixelHeight, Colour c,
               unsigned format = TextCentred, bool bold = true);
