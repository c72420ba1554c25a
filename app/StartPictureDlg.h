#pragma once

#include "platform/Bitmap.h"
#include "platform/Window.h"

// The small borderless picture that stands on the screen while the main
// window starts: the program's start picture ("Bitmaps\Startbild.bmp" in the
// program folder), for six ticks of a second or until it is clicked.
class CStartPictureDlg : public Window {
public:
    static constexpr unsigned kTimerId = 101;
    static constexpr unsigned kTickMs = 1000;
    static constexpr int kLastTick = 5;  // it goes with the tick after this one

    CStartPictureDlg() = default;
    ~CStartPictureDlg() override;
    CStartPictureDlg(const CStartPictureDlg&) = delete;
    CStartPictureDlg& operator=(const CStartPictureDlg&) = delete;

    // Loads the picture, shows it centred on the screen at once and starts
    // counting. A missing picture leaves the window black.
    void Show();
    void StopTimer();

    void OnPaint(DeviceContext& dc) override;
    void OnTimer(unsigned id) override;
    void OnLButtonDown(unsigned keyFlags, Point p) override;

    int Ticks() const { return ticks_; }

private:
    void Close();

    Bitmap picture_;
    int ticks_ = 0;
};
