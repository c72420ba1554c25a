#pragma once

#include "platform/Geometry.h"

// Where the file browser's parts lie, worked out from its client rectangle
// alone in integer arithmetic: the title band, the OK and cancel pictures,
// the list with its folder band and its scroll strip on the left (arrows at
// both ends, the track between them) and the information panel on the right.
struct FileBrowserLayout {
    static constexpr int kRows = 10;
    static constexpr int kTitleHeight = 30;
    static constexpr int kButtonSize = 50;

    Rect titleBand;
    Rect work;  // the area below the title band, inset
    Rect ok;
    Rect cancel;
    Rect list;
    Rect folderBand;
    Rect up;
    Rect down;
    Rect track;
    Rect info;

    int RowHeight() const { return list.Height() / kRows; }
    // The row `row` of the ten shown, as the list is painted.
    Rect Row(int row) const;
};

FileBrowserLayout LayOutFileBrowser(const Rect& client);

// The preview of a bitmap of that size in the information panel.
Size PreviewSize(Size panel, Size bitmap);
