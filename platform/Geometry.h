#pragma once

// Points and rectangles in pixels; a rectangle's right and bottom edges lie
// outside it, so its width is right - left.
struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    Point TopLeft() const { return {left, top}; }
    Point Center() const { return {(left + right) / 2, (top + bottom) / 2}; }
    void Offset(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
    void Inflate(int dx, int dy) { left -= dx; right += dx; top -= dy; bottom += dy; }
    Rect Intersect(const Rect& o) const;
    bool operator==(const Rect&) const = default;
};

inline Rect Rect::Intersect(const Rect& o) const {
    Rect r{left > o.left ? left : o.left, top > o.top ? top : o.top,
           right < o.right ? right : o.right, bottom < o.bottom ? bottom : o.bottom};
    return r.IsEmpty() ? Rect{} : r;
}

// A width and a height in pixels.
struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};
