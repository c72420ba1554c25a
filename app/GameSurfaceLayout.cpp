#include "app/GameSurfaceLayout.h"

namespace {

int RatioOrZero(int a, int b, int divisor) { return divisor == 0 ? 0 : a * b / divisor; }

}  // namespace

GameSurfaceLayout LayOutGameSurface(const Rect& client, Size navBar, Size leftColumn, Size infoPanel) {
    const int w = client.Width();
    const int h = client.Height();
    GameSurfaceLayout layout;
    const int nh = RatioOrZero(w, navBar.height / kNavBarRows, navBar.width);
    const int pw = RatioOrZero(leftColumn.width >> 1, h - nh - infoPanel.height, leftColumn.height);
    layout.navHeight = nh;
    layout.panelWidth = pw;

    const int cell = w / kNavGroupCount;
    for (int g = 0; g < kNavGroupCount; ++g) {
        const int right = g == kNavGroupCount - 1 ? client.right : (g + 1) * cell;
        layout.navRects[g_navGroupButton[g]] = Rect{g * cell, client.bottom - nh, right, client.bottom};
    }

    const int ph = RatioOrZero(h - nh, infoPanel.height, infoPanel.height + leftColumn.height);
    layout.infoPanel = Rect{client.left, client.top, client.left + pw, client.top + ph};

    const int sh = (h - nh) - ph;
    const Rect column{0, client.bottom - nh - sh, pw, client.bottom - nh};
    layout.subButtonColumn = column;
    const int rh = column.Height() / kSubButtonCount;
    for (int p = 0; p < kSubButtonCount; ++p)
        layout.subButtonRects[p] = Rect{column.left + kSubButtonInset, column.top + p * rh, column.right,
                                        column.top + (p + 1) * rh};
    layout.subButtonRects[kSubButtonCount - 1].bottom = column.bottom;

    layout.screenArea = Rect{client.left + pw, client.top, client.right, client.bottom - nh};
    return layout;
}
