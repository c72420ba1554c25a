#include "tools/tour/FrameCheck.h"

#include <algorithm>

#include "platform/DeviceContext.h"
#include "screens/ScreenFramework.h"

bool ShowsOnlyItsFrame(const Bitmap& picture, const Rect& area, int screenId) {
    Bitmap frame(picture.Width(), picture.Height());
    {
        DeviceContext dc(&frame);
        DrawScreenFrame(dc, area, screenId);
    }
    const Rect r = area.Intersect(Rect{0, 0, picture.Width(), picture.Height()});
    for (int y = r.top; y < r.bottom; ++y)
        if (!std::equal(picture.Row(y) + r.left, picture.Row(y) + r.right, frame.Row(y) + r.left))
            return false;
    return true;
}
