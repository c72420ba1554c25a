#pragma once

#include <array>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// The tooltips of the main window, painted into its picture: forty tools,
// each a rectangle with its text. While they are on, a pointer that rests
// over a tool for the delay shows the tool's text in a small box below the
// pointer; the next move takes the box away and puts back what it covered.
class ToolTips {
public:
    static constexpr int kToolCount = 40;
    static constexpr unsigned kDelayMs = 1000;

    // Tools 1-38 tell what the navigation button (id - 1) mod 19 leads to,
    // tools 39 and 40 the match start.
    ToolTips();

    // id 1-40; an empty rectangle is never hit.
    void SetToolRect(int id, const Rect& r);
    void ClearToolRects();
    void Activate(bool on);
    bool Active() const { return active_; }
    void SetMaxWidth(int width) { maxWidth_ = width; }

    // The pointer moved: a shown box goes away. True when the delay must
    // start (again) for the tool under the point.
    bool OnMouseMove(Point p, Bitmap& surface);
    // The delay ran out: the box of the tool under the last point is shown.
    // True when something was painted.
    bool Show(Bitmap& surface);
    // The picture under a shown box was painted anew: nothing to put back.
    void Forget() { shown_ = false; }
    bool IsShown() const { return shown_; }
    const std::string& Text(int id) const { return texts_[static_cast<size_t>(id - 1)]; }

private:
    int ToolAt(Point p) const;
    void Hide(Bitmap& surface);

    std::array<Rect, kToolCount> rects_{};
    std::array<std::string, kToolCount> texts_;
    bool active_ = false;
    int maxWidth_ = 0;
    Point pointer_{};
    bool shown_ = false;
    Rect box_;
    Bitmap saved_;
};
