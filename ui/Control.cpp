#include "ui/Control.h"

#include "ui/ControlSet.h"
#include "ui/DialogUnits.h"

Control::~Control() {
    if (set_)
        set_->Remove(*this);
}

void Control::SetRectInDialogUnits(const Rect& units) { SetRect(DialogUnits::ToPixels(units)); }

// A control that can take no input gives the focus up.
void Control::Show(bool show) {
    visible_ = show;
    if (!show && set_ && HasFocus())
        set_->SetFocus(nullptr);
}

void Control::Enable(bool enable) {
    enabled_ = enable;
    if (!enable && set_ && HasFocus())
        set_->SetFocus(nullptr);
}

bool Control::HasFocus() const { return set_ ? set_->Focused() == this : true; }

void Control::Focus() {
    if (set_)
        set_->SetFocus(this);
}

void Control::Paint(DeviceContext& dc) {
    if (!visible_)
        return;
    const int saved = dc.Save();
    Draw(dc);
    dc.Restore(saved);
}
