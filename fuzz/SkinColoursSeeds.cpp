#include <string>

#include "fuzz/SeedFolder.h"
#include "ui/PaintSettings.h"

namespace {

// The default colours in the file's form, as far as `count`, each after a
// short label.
std::string ColourFile(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        const Colour c = kDefaultSkinColours[i];
        text += "colour " + std::to_string(i) + " *" + std::to_string(RedOf(c)) + "," +
                std::to_string(GreenOf(c)) + "," + std::to_string(BlueOf(c)) + "*\n";
    }
    return text;
}

}  // namespace

// The first corpus: a colour file that reaches the list marks, a short one,
// and one with the loose forms the reader takes.
int main(int argc, char** argv) {
    const std::filesystem::path folder = SeedFolder(argc, argv);
    if (folder.empty())
        return 2;
    const std::string seeds[] = {
        ColourFile(kFirstListMarkSkinColour + kListMarkColourCount),
        ColourFile(3),
        "a *1,2* b *,,7* ** * -1, 300 ,x9* *+7,\t8 apples,9* *4,5",
    };
    int n = 0;
    for (const std::string& seed : seeds)
        if (!WriteSeed(folder / ("seed" + std::to_string(++n)), seed))
            return 1;
    return 0;
}
