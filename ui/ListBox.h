#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/ScrollStrip.h"

// A list box: rows of text in a frame, as many as its height holds, with a
// scroll bar at the right when there are more. A tab in a row moves on to
// the next tab stop. The wheel scrolls three rows a notch.
//
// With single selection a click or an arrow key selects one row. With
// multiple selection a plain click or arrow selects one row and makes it the
// anchor, Ctrl+click adds or removes a row, Shift+click and Shift+arrows
// select the rows from the anchor to the row; Ctrl+arrows move only the
// focus row, which Space then selects (Ctrl+Space turns it over). A typed
// character moves to the next row that begins with it. A double click on a
// row selects it and reports DoubleClicked.
class ListBox : public Control {
public:
    enum class Selection { Single, Multiple };
    static constexpr int kNone = -1;
    static constexpr int kWheelRows = 3;

    void SetSelectionMode(Selection mode);
    // Rows added later go in the order of their text, without regard to case.
    void SetSorted(bool sorted) { sorted_ = sorted; }
    // Stops in dialog units from the start of the row's text. None: a stop
    // every 32 units; one: a stop at each multiple of it.
    void SetTabStops(std::vector<int> dialogUnits) { tabStops_ = std::move(dialogUnits); }

    // Returns the row's index.
    int AddString(std::string row);
    void Clear();
    int Count() const { return static_cast<int>(rows_.size()); }
    const std::string& Row(int index) const { return rows_[index].text; }

    // The selected row (single selection) or the focus row (multiple); kNone when there is none.
    int Selected() const { return caret_; }
    // Selects only this row (kNone: none) and scrolls it into sight.
    void Select(int row);
    bool IsSelected(int row) const;
    // Multiple selection: adds or removes one row.
    void SetSelected(int row, bool selected);
    // In ascending order.
    std::vector<int> SelectedRows() const;

    int TopRow() const { return top_; }
    void SetTopRow(int row) { top_ = Range().Clamped(row); }
    int ShownRows() const;
    // Where a shown row lies; empty for a row out of sight.
    Rect RowRect(int row) const;

    Reaction OnLButtonDown(unsigned flags, Point p) override;
    Reaction OnLButtonDblClk(unsigned flags, Point p) override;
    Reaction OnMouseMove(unsigned flags, Point p) override;
    Reaction OnMouseWheel(unsigned flags, int delta, Point p) override;
    Reaction OnKeyDown(unsigned key, unsigned flags) override;
    Reaction OnChar(unsigned character, unsigned flags) override;

protected:
    void Draw(DeviceContext& dc) override;

private:
    struct Entry {
        std::string text;
        bool selected = false;
    };

    Rect Inside() const;
    Rect RowsArea() const;
    ScrollRange Range() const;
    int RowHeight() const;
    int RowAt(Point p) const;
    void ScrollIntoSight(int row);
    // Moves the focus row as a key or click asks; returns whether a row's selection changed.
    bool MoveTo(int row, unsigned flags, bool byKey);
    bool SelectRange(int from, int to);
    bool SelectOnly(int row);
    int KeyTarget(unsigned key) const;
    void DrawRowText(DeviceContext& dc, const std::string& text, const Rect& r) const;

    std::vector<Entry> rows_;
    std::vector<int> tabStops_;
    Selection mode_ = Selection::Single;
    bool sorted_ = false;
    int top_ = 0;
    int caret_ = kNone;   // the focus row: in single selection the selected one
    int anchor_ = kNone;  // where a Shift range starts
};
