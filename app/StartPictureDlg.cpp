#include "app/StartPictureDlg.h"

#include "platform/DeviceContext.h"
#include "platform/WindowSystem.h"
#include "ui/CrestBitmap.h"
#include "ui/SkinFiles.h"

CStartPictureDlg::~CStartPictureDlg() { Close(); }

void CStartPictureDlg::Show() {
    LoadBitmapFromFile(kStartPicturePath, picture_);
    MoveWindow(Rect{0, 0, kStartPictureWidth, kStartPictureHeight});
    CenterWindow();
    Invalidate();
    CurrentWindowSystem().ShowWindow(*this);
    UpdateWindow();
    ticks_ = 0;
    SetTimer(kTimerId, kTickMs);
}

void CStartPictureDlg::StopTimer() { KillTimer(kTimerId); }

// Only the picture's top-left part that fits the window, copied as it is.
void CStartPictureDlg::OnPaint(DeviceContext& dc) {
    dc.FillRect(ClientRect(), kBlack);
    if (!picture_.IsEmpty())
        dc.BitBlt(0, 0, kStartPictureWidth, kStartPictureHeight, picture_, 0, 0, RasterOp::Copy);
}

void CStartPictureDlg::OnTimer(unsigned id) {
    if (id == kTimerId && ++ticks_ > kLastTick)
        Close();
}

void CStartPictureDlg::OnLButtonDown(unsigned, Point) { Close(); }

void CStartPictureDlg::Close() {
    StopTimer();
    if (IsVisible())
        CurrentWindowSystem().HideWindow(*this);
}
