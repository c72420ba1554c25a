#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "app/GameView.h"
#include "app/SaveGameFile.h"
#include "engine/SeasonCalendar.h"
#include "platform/BinaryFile.h"
#include "platform/Path.h"
#include "platform/Random.h"
#include "tools/headless-game/HeadlessGameWindow.h"
#include "tools/simulate/SeasonReport.h"
#include "world/CompetitionMask.h"
#include "world/GameDate.h"
#include "world/Manager.h"
#include "world/Team.h"

namespace fs = std::filesystem;

namespace {

const fs::path kProgramFolder = CORVANTA_PROGRAM_DIR;
constexpr const char* kClub = "SV Zellmouth";
constexpr uint32_t kSeed = 11;

std::vector<uint8_t> FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A game at a club of the shipped world, saved and loaded through the main
// window as the game menu does it, the file name answered from the script.
class SavedGame : public ::testing::Test {
protected:
    SavedGame() : game_({kProgramFolder / "Welt.kwl", {}}) {}

    void SetUp() override {
        ASSERT_EQ(game_.Error(), "");
        ASSERT_TRUE(game_.StartNewGame(kClub, kSeed));
    }

    bool Save(const std::string& name) {
        game_.Boxes().Script(ModalAnswer::Input(name));
        return game_.View().SaveGame(false);
    }
    bool Load(const std::string& name) {
        game_.Boxes().Script(ModalAnswer::Input(name));
        return game_.View().LoadGame();
    }
    static fs::path SavePath(const std::string& name) { return ProgramFolder() / "Save" / (name + ".ksv"); }

    void RunDays(int days) {
        for (int i = 0; i < days; ++i)
            ASSERT_TRUE(game_.RunDay());
    }
    // Up to the first day of matches on or after the date, its matches not
    // yet played.
    void RunToMatchDayFrom(const Date& date) {
        while (g_gameDate < date || !CarriesMatches(GetDayCode(GetSeasonDayIndex(g_gameDate))))
            ASSERT_TRUE(game_.RunDay());
    }

    bool LastBoxWas(const std::string& title) const {
        const auto& records = game_.Boxes().Records();
        return !records.empty() && records.back().title == title;
    }

    HeadlessGameWindow game_;
};

TEST_F(SavedGame, SaveLoadSaveGivesTheSameFileAtTheStartOnAMatchDayAndAfterTheSeasonChange) {
    const uint16_t year = g_gameDate.Year();
    struct Point {
        const char* name;
        std::optional<Date> matchDayFrom;  // none: where the game stands
    };
    for (const Point& point : {Point{"start", {}}, Point{"matchday", Date(year, 10, 1)},
                               Point{"nextseason", Date(year + 1, 7, 2)}}) {
        if (point.matchDayFrom)
            RunToMatchDayFrom(*point.matchDayFrom);
        ASSERT_TRUE(Save(point.name));
        const Date date = g_gameDate;
        ASSERT_TRUE(Load(point.name));
        EXPECT_EQ(g_gameDate, date);
        ASSERT_TRUE(Save(std::string(point.name) + "2"));
        EXPECT_EQ(FileBytes(SavePath(point.name)), FileBytes(SavePath(std::string(point.name) + "2")))
            << point.name;
    }
}

// A loaded game goes on exactly as the game that was saved: a month run
// from the save and a month run from its reload, on the same random
// numbers, end in the same world.
TEST_F(SavedGame, ALoadedGameGoesOnAsTheSavedOne) {
    RunToMatchDayFrom(Date(g_gameDate.Year(), 9, 15));
    ASSERT_TRUE(Save("here"));
    SeedRandom(kSeed);
    RunDays(30);
    const Date reached = g_gameDate;
    const uint64_t checksum = WorldChecksum(game_.View().World());

    ASSERT_TRUE(Load("here"));
    SeedRandom(kSeed);
    RunDays(30);
    EXPECT_EQ(g_gameDate, reached);
    EXPECT_EQ(WorldChecksum(game_.View().World()), checksum);
}

// Whatever the file, a load that fails leaves the running game as it was.
TEST_F(SavedGame, AFileThatCannotBeLoadedLeavesTheRunningGame) {
    ASSERT_TRUE(Save("good"));
    const std::vector<uint8_t> good = FileBytes(SavePath("good"));
    RunDays(3);
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    };
    const std::vector<Case> cases = {
        {"short", std::vector<uint8_t>(good.begin(), good.begin() + 100)},
        {"half", std::vector<uint8_t>(good.begin(), good.begin() + static_cast<long>(good.size() / 8192 * 4096))},
        {"noise", std::vector<uint8_t>(4096 * 3, 0xA5)},
        {"world", FileBytes(kProgramFolder / "Welt.kwl")},
    };
    const CWorld* world = &game_.View().World();
    const uint64_t checksum = WorldChecksum(*world);
    const Date date = g_gameDate;
    const CTeam* club = g_manager.club;
    for (const Case& c : cases) {
        std::ofstream(SavePath(c.name), std::ios::binary)
            .write(reinterpret_cast<const char*>(c.bytes.data()), static_cast<std::streamsize>(c.bytes.size()));
        EXPECT_FALSE(Load(c.name)) << c.name;
        ASSERT_TRUE(LastBoxWas("save-game couldn't be loaded")) << c.name;
        EXPECT_EQ(game_.Boxes().Records().back().text,
                  "The file '" + std::string(c.name) + ".ksv'cannot be loaded. It's not possible to play this game.");
        EXPECT_EQ(&game_.View().World(), world);
        EXPECT_EQ(WorldChecksum(*world), checksum) << c.name;
        EXPECT_EQ(g_gameDate, date);
        EXPECT_EQ(g_manager.club, club);
    }
    // A name the browser does not list is no choice: nothing is said.
    game_.Boxes().ClearRecords();
    EXPECT_FALSE(Load("missing"));
    EXPECT_TRUE(LastBoxWas("load game"));
}

TEST_F(SavedGame, TheProgramsOwnSettingsSurviveALoad) {
    StateBlock& state = game_.View().State();
    ASSERT_TRUE(Save("settings"));
    const StateBlock before = state;
    state.fontFaceName = "Other Face";
    state.skinFolder = "Bitmaps\\Other\\";
    state.music.on = !state.music.on;
    state.options ^= kOptSoundEffects;
    state.matchTextSpeed = 3;
    ASSERT_TRUE(Load("settings"));
    EXPECT_EQ(state.fontFaceName, "Other Face");
    EXPECT_EQ(state.skinFolder, "Bitmaps\\Other\\");
    EXPECT_EQ(state.music.on, !before.music.on);
    EXPECT_EQ(state.options & kOptSoundEffects, ~before.options & kOptSoundEffects);
    EXPECT_EQ(state.matchTextSpeed, before.matchTextSpeed);
}

TEST_F(SavedGame, ASaveThatCannotBeWrittenSaysSoAndKeepsTheOldFile) {
    ASSERT_TRUE(Save("kept"));
    const std::vector<uint8_t> old = FileBytes(SavePath("kept"));
    RunDays(2);
    fs::create_directories(SavePath("kept").string() + ".part/blocked");
    EXPECT_FALSE(Save("kept"));
    ASSERT_TRUE(LastBoxWas("saving is not possible"));
    EXPECT_EQ(game_.Boxes().Records().back().text, "Error while saving, the file 'kept.ksv'couldn't be saved.");
    EXPECT_EQ(FileBytes(SavePath("kept")), old);
}

// A save killed at any moment of its writing leaves the save before it,
// whole: a child process writes the next save over it and is killed at
// points spread over the writing.
TEST_F(SavedGame, ASaveKilledWhileWritingLeavesThePreviousSaveWhole) {
    ASSERT_TRUE(Save("safe"));
    const std::vector<uint8_t> previous = FileBytes(SavePath("safe"));
    RunDays(5);
    MemoryFile next;
    StateBlock state = game_.View().State();
    ASSERT_TRUE(WriteGameStream(next, game_.View().World(), g_manager, state, {}));
    const std::string target = "Save\\safe.ksv";
    for (int point = 0; point < 20; ++point) {
        const int killAt = 50 + point * 5 / 2;
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            WriteSaveFile(target, next.Bytes(), [killAt](int percent) {
                if (percent >= killAt)
                    raise(SIGKILL);
            });
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << point;
        ASSERT_EQ(FileBytes(SavePath("safe")), previous) << point;
    }
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadSaveFile(target, bytes, {}));
    MemoryFile stream(std::move(bytes));
    LoadedGame loaded;
    EXPECT_TRUE(ReadGameStream(stream, loaded, {}));
}

}  // namespace
