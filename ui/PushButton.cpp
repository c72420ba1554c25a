#include "ui/PushButton.h"

#include "ui/ControlLook.h"

namespace {

// The focus frame lies this far inside the edges.
constexpr int kFocusInset = 3;

}  // namespace

void PushButton::Draw(DeviceContext& dc) {
    PaintRaisedFace(dc, GetRect(), IsPressed());
    SelectControlText(dc, IsEnabled());
    Rect face = GetRect();
    if (IsPressed())
        face.Offset(1, 1);
    dc.DrawText(text_, face, TextCentred);
    if (HasFocus()) {
        Rect frame = GetRect();
        frame.Inflate(-kFocusInset, -kFocusInset);
        PaintFocusFrame(dc, frame);
    }
}
