#include "tools/assets/ColourFile.h"

#include <map>

#include "platform/Text.h"
#include "ui/PaintSettings.h"

namespace {

// Where the screens show a colour; entries without a label are spares.
const std::map<int, const char*>& Labels() {
    static const std::map<int, const char*> labels = {
        {0, "dark fill of boxes and charts"},
        {1, "title bands, buttons and bars"},
        {2, "panel blue, dark"},
        {3, "rows, panels, heading bars and scroll tracks"},
        {4, "second row colour, selected cards"},
        {5, "panel blue, light"},
        {6, "edges and list-box fill"},
        {7, "text"},
        {8, "dark text of heading rows"},
        {9, "heading buttons and rows, unavailable"},
        {10, "unselected sortable heading"},
        {11, "good: health bars, active nation"},
        {12, "middling: a nation that can be made active"},
        {13, "bad: health bars"},
        {14, "rising trend"},
        {15, "steady trend"},
        {16, "falling trend"},
        {17, "highlight"},
        {18, "table position 1"},
        {19, "table position 2"},
        {20, "table position 3"},
        {24, "heading rows"},
        {25, "list-box and message text ground"},
        {37, "list mark 1"},
        {38, "list mark 2"},
        {39, "list mark 3"},
        {40, "list mark 4"},
        {41, "weeks to come in the yearly plan"},
        {42, "weeks gone in the yearly plan"},
        {73, "ground of the status lines"},
        {77, "the user's team in rankings"},
    };
    return labels;
}

}  // namespace

std::string SkinColourFileText() {
    std::string text =
        "Corvanta - colours of the default skin \"Original\".\r\n"
        "Each colour stands between two asterisks as red,green,blue (0 to 255).\r\n"
        "The game takes them in this order; the words beside them are for people.\r\n\r\n";
    for (int i = 0; i < kSkinColourCount; ++i) {
        const auto label = Labels().find(i);
        const Colour c = kDefaultSkinColours[i];
        text += Format("%2d %-46s *%d,%d,%d*\r\n", i, label == Labels().end() ? "spare" : label->second,
                       RedOf(c), GreenOf(c), BlueOf(c));
    }
    return text;
}
