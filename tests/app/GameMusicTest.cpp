#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/GameMusic.h"
#include "platform/Random.h"
#include "platform/Window.h"
#include "tests/app/HeadlessGame.h"

namespace fs = std::filesystem;

namespace {

class GameMusicTest : public ::testing::Test, protected HeadlessGame {
protected:
    void SetUp() override {
        fs::create_directories(folder / "Sound");
        settings.random = false;
    }

    void AddTitle(const std::string& name) { std::ofstream(folder / "Sound" / name) << "music"; }
    std::string Played(const std::string& name) const {
        return "music " + ResolvePath(std::string("Sound\\") + name).string();
    }

    Window listener;
    MusicSettings settings;
};

}  // namespace

TEST(MusicFileType, IsTheTextAfterTheFirstPoint) {
    struct Case {
        const char* name;
        bool music;
    };
    for (const Case& c : {Case{"song.mp3", true}, Case{"SONG.MiDi", true}, Case{"a.wmv", true},
                          Case{"song.ogg", false}, Case{"live.2004.mp3", false}, Case{".mp3", false},
                          Case{"mp3", false}, Case{"song.", false}})
        EXPECT_EQ(IsMusicFileType(c.name), c.music) << c.name;
}

TEST_F(GameMusicTest, FolderScanKeepsMusicFilesOrderedByFirstCharacter) {
    AddTitle("b.mp3");
    AddTitle("notes.txt");
    fs::create_directories(folder / "Sound" / "sub.mp3");
    AddTitle("Alpha.wav");
    const std::vector<std::string> found = ScanMusicFolder("Sound\\");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0], "Alpha.wav");
    EXPECT_EQ(found[1], "b.mp3");
    EXPECT_TRUE(ScanMusicFolder("NoSuchFolder\\").empty());
}

TEST_F(GameMusicTest, StartTitleThenListOrderThatWrapsAndRestartsBeyondTheList) {
    AddTitle("Start.mp3");
    AddTitle("a.mp3");
    AddTitle("b.mp3");
    settings.titles2 = {"b.mp3"};
    GameMusic music(settings, listener);
    music.RefreshMusicLists();
    EXPECT_EQ(settings.titles, (std::vector<std::string>{"a.mp3", "b.mp3", "Start.mp3"}));

    music.Play(GameMusic::kFolderList, true, false);
    settings.nextIndex[0] = 7;  // beyond the list: starts again at 0
    for (int i = 0; i < 4; ++i)
        music.Play(GameMusic::kFolderList, false, false);
    std::vector<std::string> played;
    for (const std::string& call : system.Sound().Calls())
        if (call != "stop music")
            played.push_back(call);
    EXPECT_EQ(played, (std::vector<std::string>{Played("Start.mp3"), Played("a.mp3"), Played("b.mp3"),
                                                Played("Start.mp3"), Played("a.mp3")}));
}

TEST_F(GameMusicTest, TitlesGoneFromTheFolderLeaveBothListsAndAnEmptyFolderListRefills) {
    AddTitle("a.mp3");
    AddTitle("b.mp3");
    settings.titles = {"b.mp3", "gone.mp3"};
    settings.titles2 = {"GONE.mp3", "A.MP3"};
    GameMusic music(settings, listener);
    music.RefreshMusicLists();
    EXPECT_EQ(settings.titles, (std::vector<std::string>{"b.mp3"}));
    EXPECT_EQ(settings.titles2, (std::vector<std::string>{"A.MP3"}));

    settings.titles = {"gone.mp3"};
    music.RefreshMusicLists();
    EXPECT_EQ(settings.titles, (std::vector<std::string>{"a.mp3", "b.mp3"}));
}

TEST_F(GameMusicTest, MissingMusicIsSilentAndMusicOffOpensNothing) {
    GameMusic music(settings, listener);
    music.RefreshMusicLists();  // no titles: no list, no start title
    music.Play(GameMusic::kFolderList, true, true);
    EXPECT_TRUE(runner.Records().empty());

    AddTitle("Start.mp3");
    settings.on = false;
    music.Play(GameMusic::kFolderList, true, true);
    EXPECT_FALSE(system.Sound().MusicPlaying());
    EXPECT_TRUE(runner.Records().empty());
}

TEST_F(GameMusicTest, AnUnplayableTitleAsksAndOkTurnsTheMusicOff) {
    settings.titles = {"lost.mp3"};
    settings.titles2 = {"lost.mp3"};
    GameMusic music(settings, listener);
    runner.Script(ModalAnswer::Cancel());
    music.Play(GameMusic::kFolderList, false, false);
    EXPECT_TRUE(settings.on);
    music.Play(GameMusic::kFolderList, false, false);
    EXPECT_FALSE(settings.on);

    ASSERT_EQ(runner.Records().size(), 2u);
    const ModalRecord& box = runner.Records()[0];
    EXPECT_EQ(box.title, "sound error");
    EXPECT_EQ(box.text.rfind("sound error with file 'Sound\\lost.mp3' occured ", 0), 0u);
    EXPECT_TRUE(box.text.ends_with("Should the sound be turned off ?"));
    EXPECT_EQ(box.flags, 0x168u);
    EXPECT_EQ(box.extra, 4);
}
