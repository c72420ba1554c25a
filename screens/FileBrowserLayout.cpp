#include "screens/FileBrowserLayout.h"

namespace {

constexpr int kInset = 5;
constexpr int kButtonMargin = 10;

}  // namespace

Rect FileBrowserLayout::Row(int row) const {
    const int r = RowHeight();
    const int top = list.top + 2 + row * r;
    return {list.left + 2, top, list.right - 2, top + r};
}

FileBrowserLayout LayOutFileBrowser(const Rect& client) {
    FileBrowserLayout l;
    const int kTitle = FileBrowserLayout::kTitleHeight;
    const int kButton = FileBrowserLayout::kButtonSize;
    l.titleBand = {client.left, client.top, client.right, client.top + kTitle};
    const Rect q{client.left + kInset, client.top + kTitle, client.right - kInset, client.bottom - kInset};
    l.work = q;
    const int w = q.Width(), h = q.Height();
    const int edge = kButton + kButtonMargin;
    l.ok = {q.right - edge, q.bottom - edge, q.right - edge + kButton, q.bottom - edge + kButton};
    l.cancel = {q.left + kButtonMargin, q.bottom - edge, q.left + kButtonMargin + kButton, q.bottom - edge + kButton};
    l.list = {q.left + (w >> 4), q.top + (h >> 3), q.right - w / 3, q.bottom - (h >> 2)};
    const Rect& f = l.list;
    const int band = (h >> 4) + (h >> 5);
    l.folderBand = {f.left, f.top - band, f.right, f.top};
    const int stripLeft = q.left + ((f.left - q.left) >> 2);
    const int side = f.left - stripLeft;
    l.up = {stripLeft, f.top, f.left, f.top + side};
    l.down = {stripLeft, f.bottom - side, f.left, f.bottom};
    l.track = {stripLeft, l.up.bottom, f.left, l.down.top};
    l.info = {f.right + (w >> 4), f.top + (w >> 5), q.right - (w >> 4), f.bottom - (w >> 5)};
    return l;
}

// A bitmap smaller than the panel fills it. A larger one keeps its shape:
// at the panel's width when it is wider (which may be taller than the
// panel), else at the panel's height.
Size PreviewSize(Size panel, Size bitmap) {
    int dw = panel.width, dh = panel.height;
    if (bitmap.width <= 0 || bitmap.height <= 0)
        return {dw, dh};
    if (panel.width < bitmap.width)
        dh = bitmap.height * panel.width / bitmap.width;
    if (dh < bitmap.height)
        dw = bitmap.width * dh / bitmap.height;
    return {dw, dh};
}
