#include "app/MessageBoxLayout.h"

#include "app/MessageDlg.h"

namespace {

constexpr int kChoiceRowsPerHeight = 15;     // a choice button is 1/15 of the height high
constexpr int kChoiceBottomGap = 70;         // from the bottom edge
constexpr int kProgressGap = 20;             // between the text box and the bar
constexpr int kProgressHeight = 30;
constexpr int kProgressInset = 2;

constexpr int kSide = MessageBoxLayout::kPictureSide;
constexpr int kMargin = MessageBoxLayout::kPictureMargin;

Rect PictureAt(int left, int boxBottom) {
    const int top = boxBottom - kSide - kMargin;
    return {left, top, left + kSide, top + kSide};
}

void PlacePictures(MessageBoxLayout& m, const Rect& c, uint32_t flags) {
    const int rightSlot = c.right - kSide - kMargin;
    const int leftSlot = c.left + kMargin;
    if (flags & MSG_OK)
        m.ok = PictureAt(rightSlot, c.bottom);
    if (flags & MSG_CANCEL)
        m.cancel = PictureAt((flags & MSG_OK) ? leftSlot : rightSlot, c.bottom);
}

void PlaceChoices(MessageBoxLayout& m, const Rect& c, int top, int count) {
    if (count <= 0)
        return;
    const int slot = c.Width() / count;
    const int height = (c.bottom - top) / kChoiceRowsPerHeight;
    for (int k = 0; k < count && k < MessageBoxLayout::kMaxChoices; ++k)
        m.choices[k] = {c.left + k * slot + (slot >> 3), c.bottom - kChoiceBottomGap - height,
                        c.left + (k + 1) * slot - (slot >> 3), c.bottom - kChoiceBottomGap};
}

// The text box, its three header boxes above it and the icon area above those.
void PlaceText(MessageBoxLayout& m, const Rect& c, int top) {
    const int t = (c.bottom - top) / 3;
    m.textUnit = t;
    Rect x{c.left, top, c.right, c.bottom};
    x.bottom -= t - t / 10;
    const int sideInset = x.Height() >> 3;
    x.left += sideInset;
    x.right -= sideInset;
    const int width = x.Width();
    x.top += t / 5 + width / 5;
    m.textBox = x;
    m.iconArea = {c.left, top, c.right, x.top - t / 5};

    const int third = width / 3;
    for (int i = 0; i < MessageBoxLayout::kHeaderCount; ++i) {
        const int left = x.left + third * i;
        const bool last = i == MessageBoxLayout::kHeaderCount - 1;
        m.headers[i] = {left, x.top - t / 5, last ? x.right : left + third - t / 20, x.top - t / 20};
    }
}

}  // namespace

MessageBoxLayout LayOutMessageBox(const Rect& client, uint32_t flags, int choiceCount) {
    MessageBoxLayout m;
    m.titleBand = {client.left, client.top, client.right, client.top + MessageBoxLayout::kTitleBandHeight};
    const int top = m.titleBand.bottom;
    PlacePictures(m, client, flags);
    PlaceChoices(m, client, top, choiceCount);
    PlaceText(m, client, top);
    if (flags & MSG_PROGRESS) {
        const int barTop = m.textBox.bottom + kProgressGap;
        m.progressFrame = {m.textBox.left, barTop, m.textBox.right, barTop + kProgressHeight};
        m.progress = m.progressFrame;
        m.progress.Inflate(-kProgressInset, -kProgressInset);
    }
    return m;
}
