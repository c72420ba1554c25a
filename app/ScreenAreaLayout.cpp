#include "app/ScreenAreaLayout.h"

#include <algorithm>

namespace {

constexpr int kPanelRows = 6;  // two bars and two gauge bands of two rows each
constexpr int kGaugeBandRows = 2;

int RatioOrZero(int a, int b, int divisor) { return divisor == 0 ? 0 : a * b / divisor; }

}  // namespace

ScreenAreaLayout LayOutScreenArea(const Rect& client, Size modeButtons, Size leftColumn, Size infoPanel,
                                  bool liveMatch) {
    const int w = client.Width();
    const int h = client.Height();
    ScreenAreaLayout l;
    const int bw = w / kModeButtonCount;
    const int bh = RatioOrZero(w, modeButtons.height / kModeButtonRows, modeButtons.width);
    // The panel stays inside the window, however low or narrow it is.
    const int pw = std::clamp(RatioOrZero(leftColumn.width >> 1, h - bh - infoPanel.height, leftColumn.height), 0, w);
    l.buttonWidth = bw;
    l.buttonHeight = bh;
    l.panelWidth = pw;

    const int buttonsTop = client.bottom - bh;
    for (int i = 0; i < kModeButtonCount; ++i)
        l.controlRects[i] = Rect{client.left + i * bw, buttonsTop, client.left + (i + 1) * bw, client.bottom};
    l.controlRects[kModeButtonCount - 1].right = client.right;

    const int row = (h - bh) / (kPanelRows + (liveMatch ? 1 : 0));
    const int left = client.left, right = client.left + pw, middle = client.left + (pw >> 1);
    int top = client.top;
    const auto nextRows = [&](int rows) {
        const Rect r{left, top, right, top + rows * row};
        top += rows * row;
        return r;
    };
    if (liveMatch)
        l.scoreLine = nextRows(1);
    l.offenceBar = nextRows(1);
    l.defenceBar = nextRows(1);
    const Rect band = nextRows(kGaugeBandRows);
    l.freshness = Rect{left, band.top, middle, band.bottom};
    l.fitness = Rect{middle, band.top, right, band.bottom};
    l.teamSpirit = Rect{left, band.bottom, middle, buttonsTop};
    l.fightingSpirit = Rect{middle, band.bottom, right, buttonsTop};

    l.screenArea = Rect{right, client.top, client.right, buttonsTop};
    return l;
}
