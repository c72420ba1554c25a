#pragma once

#include <cstdint>
#include <optional>

#include "platform/Bitmap.h"
#include "platform/Geometry.h"
#include "platform/Input.h"

class DeviceContext;

// How a music title ended, as its notification tells the window.
enum class MusicNotify : uint8_t { Successful, Superseded, Aborted, Failure };

// A window of the game: the main window or a dialog. It keeps its picture
// in a bitmap of its own size, its surface, which the backend shows on the
// screen after each round of messages; OnPaint draws into it, and a handler
// may draw into it too through a DeviceContext of its own. The handlers bear the class library's names
// and are called by the one main loop (or a nested loop of a modal dialog);
// mouse points are in client co-ordinates, except the wheel's (screen).
// The flags of a key or character are the MK_SHIFT and MK_CONTROL bits of
// the modifier keys held with it, so a handler needs no asking after them.
class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    virtual void OnInitDialog() {}  // before a dialog is first shown
    virtual void OnShowWindow(bool /*show*/) {}
    virtual void OnSize(int /*width*/, int /*height*/) {}
    virtual void OnPaint(DeviceContext&) {}
    virtual void OnLButtonDown(unsigned /*flags*/, Point) {}
    virtual void OnLButtonUp(unsigned /*flags*/, Point) {}
    virtual void OnLButtonDblClk(unsigned /*flags*/, Point) {}
    virtual void OnRButtonDown(unsigned /*flags*/, Point) {}
    virtual void OnRButtonUp(unsigned /*flags*/, Point) {}
    virtual void OnMouseMove(unsigned /*flags*/, Point) {}
    virtual void OnMouseWheel(unsigned /*flags*/, int /*delta*/, Point /*screenPoint*/) {}
    virtual void OnKeyDown(unsigned /*key*/, unsigned /*repeat*/, unsigned /*flags*/) {}
    virtual void OnChar(unsigned /*character*/, unsigned /*repeat*/, unsigned /*flags*/) {}
    virtual void OnTimer(unsigned /*id*/) {}
    virtual void OnMusicNotify(MusicNotify) {}
    // The user asked to close the window (window manager, Alt+F4); by
    // default that ends the main loop.
    virtual void OnClose();
    // Enter and Escape in a modal dialog.
    virtual void OnOK() { EndModal(true); }
    virtual void OnCancel() { EndModal(false); }

    // A timer per window and id; setting an id again restarts it.
    void SetTimer(unsigned id, unsigned elapseMs);
    void KillTimer(unsigned id);
    // Asks for OnPaint before the picture is next shown.
    void Invalidate() { invalid_ = true; }
    // Paints the invalid windows at once and shows them, without a message round.
    void UpdateWindow();
    // Ends the nested loop that runs this window as a modal dialog.
    void EndModal(bool ok) { modalResult_ = ok; }

    Rect WindowRect() const { return rect_; }
    Rect ClientRect() const { return {0, 0, rect_.Width(), rect_.Height()}; }
    // Places the window on the screen; a new size gives a new blank surface.
    void MoveWindow(const Rect& screenRect);
    void CenterWindow();
    Point ScreenToClient(Point p) const { return {p.x - rect_.left, p.y - rect_.top}; }
    Point ClientToScreen(Point p) const { return {p.x + rect_.left, p.y + rect_.top}; }

    Bitmap& Surface() { return surface_; }
    bool IsVisible() const { return visible_; }
    bool IsInvalid() const { return invalid_; }

private:
    friend class WindowSystem;

    Rect rect_;
    Bitmap surface_;
    bool invalid_ = true;
    bool visible_ = false;
    std::optional<bool> modalResult_;
};
