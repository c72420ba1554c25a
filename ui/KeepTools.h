#pragma once

#include "platform/DeviceContext.h"

// Puts a device context's pen, brush and font back when a drawing helper
// returns; text colour and background mode stay as the helper left them.
class KeepTools {
public:
    explicit KeepTools(DeviceContext& dc)
        : dc_(dc), pen_(dc.CurrentPen()), brush_(dc.CurrentBrush()), font_(dc.CurrentFont()) {}
    ~KeepTools() {
        dc_.SelectPen(pen_);
        dc_.SelectBrush(brush_);
        dc_.SelectFont(font_);
    }
    KeepTools(const KeepTools&) = delete;
    KeepTools& operator=(const KeepTools&) = delete;

private:
    DeviceContext& dc_;
    Pen pen_;
    Brush brush_;
    Font font_;
};
