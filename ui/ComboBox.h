#pragma once

#include <string>

#include "ui/Control.h"
#include "ui/ListBox.h"

// A drop-down list: a closed box that shows the chosen row with an arrow
// button, and a list dropped below it. The rectangle reaches down as far as
// the dropped list may, as in a dialog template; the closed box takes the
// height of one row of text. A click on the box drops the list or folds it
// up; a click on a row chooses it and folds the list. The arrow keys, Home,
// End and the page keys choose with the list dropped or not, F4 drops it, a
// typed letter jumps to the next row that begins with it, and the wheel
// scrolls the dropped list or, folded, chooses the next row.
class ComboBox : public Control {
public:
    // Rows the list shows when the rectangle leaves no room below the box.
    static constexpr int kDefaultDroppedRows = 8;

    void SetSorted(bool sorted) { list_.SetSorted(sorted); }
    int AddString(std::string row) { return list_.AddString(std::move(row)); }
    void Clear() { list_.Clear(); }
    int Count() const { return list_.Count(); }
    const std::string& Row(int index) const { return list_.Row(index); }
    // ListBox::kNone when no row is chosen.
    int Selected() const { return list_.Selected(); }
    void Select(int row) { list_.Select(row); }

    Rect BoxRect() const;
    // Where the list lies while dropped.
    Rect DroppedRect() const;
    Rect DroppedRowRect(int row);

    void Drop();
    bool IsOpen() const override { return open_; }
    void Close() override { open_ = false; }
    bool HitTest(Point p) const override;

    Reaction OnLButtonDown(unsigned flags, Point p) override;
    Reaction OnMouseWheel(unsigned flags, int delta, Point p) override;
    Reaction OnKeyDown(unsigned key, unsigned flags) override;
    Reaction OnChar(unsigned character, unsigned flags) override;

protected:
    void Draw(DeviceContext& dc) override;

private:
    Rect ArrowRect() const;
    void PlaceList();

    ListBox list_;
    bool open_ = false;
};
