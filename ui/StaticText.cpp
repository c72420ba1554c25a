#include "ui/StaticText.h"

#include "ui/ControlLook.h"

void StaticText::Draw(DeviceContext& dc) {
    dc.FillRect(GetRect(), kControlFill);
    SelectControlText(dc, IsEnabled());
    const unsigned align = align_ == Align::Centre ? TextCenter : align_ == Align::Right ? TextRight : TextLeft;
    dc.DrawText(text_, GetRect(), align | TextWordBreak);
}
