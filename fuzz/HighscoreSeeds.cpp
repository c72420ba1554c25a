#include "app/Highscore.h"
#include "fuzz/SeedFolder.h"
#include "platform/Path.h"

// The first corpus: the highscore file of a first start, and one with three
// entries.
int main(int argc, char** argv) {
    const std::filesystem::path folder = SeedFolder(argc, argv);
    if (folder.empty())
        return 2;
    SetProgramFolder(folder);
    HighscoreTables three;
    three.names = {"Ann Berg", "Jon Holm", "Per \xC5s"};
    three.clubs = {"HC Lindholm", "IF Vasa", "SK Ost"};
    three.level = {11, 4, 0};
    three.score = {812, 640, 12};
    three.season = {2012, 2009, 2008};
    three.years = {9, 3, 1};
    return WriteHighscoreFile("seed1", HighscoreTables{}) && WriteHighscoreFile("seed2", three) ? 0 : 1;
}
