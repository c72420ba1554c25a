#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/TempFolder.h"
#include "tools/world-builder/WorldBuilder.h"
#include "tools/world-builder/WorldDescription.h"
#include "world/Continent.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/World.h"

namespace fs = std::filesystem;

namespace {

// A small sound description; a case spoils one of its lines.
const char* const kHead =
    "seed 5\n"
    "words words.txt\n"
    "level 1 strength=5\n"
    "world-cup \"W\" places=1,1\n"
    "olympia \"O\" places=2\n"
    "continent C short=CC\n"
    "main-club-cup \"M\" rounds=1 places=1,1\n"
    "super-cup \"S\" places=2\n"
    "championship \"K\" places=1,1\n";
const char* const kNation =
    "nation 34 Germany\n"
    "league \"L\" clubs=4\n"
    "national-cup \"N\" rounds=2 places=0,4\n"
    "national-super-cup \"NS\" places=1,1\n";
const char* const kSecondNation = "nation 33 Denmark\nleague \"P\" passive clubs=3\n";

fs::path Write(const TempFolder& folder, const std::string& text) {
    fs::copy_file(fs::path(CORVANTA_WORLD_DATA_DIR) / "words.txt", folder / "words.txt");
    const fs::path file = folder / "world.txt";
    std::ofstream(file) << text;
    return file;
}

}  // namespace

TEST(WorldDescription, ASmallDescriptionBuilds) {
    TempFolder folder;
    std::string error;
    const auto world = BuildWorldFromFile(Write(folder, std::string(kHead) + kNation + kSecondNation), &error);
    EXPECT_TRUE(world) << error;
}

// A league described with a region keeps it; one without covers the map.
TEST(WorldDescription, ALeagueTakesItsRegionOnTheMap) {
    TempFolder folder;
    std::string error;
    const std::string text = std::string(kHead) + kNation + "league \"R\" division=2 level=1 clubs=4 area=10,20,110,120\n" +
                             kSecondNation;
    const auto world = BuildWorldFromFile(Write(folder, text), &error);
    ASSERT_TRUE(world) << error;
    const CNation& nation = *world->continents[0]->nations[0];
    const CLeague& whole = *nation.leagues[0];
    const CLeague& region = *nation.leagues[1];
    EXPECT_EQ((std::vector<int>{whole.areaLeft, whole.areaTop, whole.areaRight, whole.areaBottom}),
              (std::vector<int>{0, 0, CLeague::kDefaultAreaEdge, CLeague::kDefaultAreaEdge}));
    EXPECT_EQ((std::vector<int>{region.areaLeft, region.areaTop, region.areaRight, region.areaBottom}),
              (std::vector<int>{10, 20, 110, 120}));
}

TEST(WorldDescription, FaultsNameTheirFileAndLine) {
    struct Case {
        std::string text;
        int line;
        const char* message;
    };
    const std::string good = std::string(kHead) + kNation + kSecondNation;
    const Case cases[] = {
        {good + "stadium big\n", 16, "unknown keyword 'stadium'"},
        {good + "nation 35 Germany\n", 16, "nation 35 is \"Dominica\", not \"Germany\""},
        {good + "nation 196 miscellaneous\n", 16, "is no country"},
        {good + "nation 34 Germany\n", 16, "described twice"},
        {good + "league \"Q\" clubs=4 colour=red\n", 16, "unknown setting 'colour'"},
        {good + "league \"Q\" clubs=4 fast\n", 16, "unknown word 'fast'"},
        {good + "league \"Q clubs=4\n", 16, "a quote is not closed"},
        {good + "league \"Q\" clubs=4 level=3\n", 16, "no level 3"},
        {good + "league \"Q\" clubs=4 relegated=4\n", 16, "fewer clubs"},
        {good + "league \"Q\" clubs=x\n", 16, "clubs must be a whole number"},
        {good + "league \"Q\" clubs=4 area=10,0,5,249\n", 16, "area needs left,top,right,bottom"},
        {good + "league \"Q\" clubs=4 area=0,0,249\n", 16, "area needs left,top,right,bottom"},
        {good + "league \"Q\" clubs=4 area=0,0,250,249\n", 16, "area must list whole numbers from 0 to 249"},
        {std::string("seed 5\nleague \"L\" clubs=4\n"), 2, "a continent must come first"},
        {std::string(kHead) + "league \"L\" clubs=4\n", 10, "a nation must come first"},
        {good + "nation 151 Sweden\nleague \"P\" clubs=3\n", 16, "needs a national-cup"},
        {std::string(kHead) + "nation 34 Germany\nleague \"L\" clubs=4\nnational-cup \"N\" rounds=2 places=0,3\n"
             "national-super-cup \"NS\" places=1,1\n" + kSecondNation,
         12, "does not pass the game's structure check"},
        {good + "national-cup \"N\" rounds=2 places=0,4@3\n", 16, "places: round must be"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TempFolder folder;
        const fs::path file = Write(folder, c.text);
        std::string error;
        EXPECT_FALSE(BuildWorldFromFile(file, &error));
        EXPECT_NE(error.find(file.string() + ":" + std::to_string(c.line) + ":"), std::string::npos) << error;
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
    }
}
