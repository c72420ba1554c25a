#pragma once

#include <string>
#include <vector>

#include "app/StateBlock.h"

class Window;

// The background music: a start title when the program starts, then the
// titles of one of two lists, in list order or at random, each title
// followed by the next when its end is reported to the main window. The
// settings live in the state block; the player is the window system's.
class GameMusic {
public:
    static constexpr int kFolderList = 0;  // the folder's titles
    static constexpr int kChosenList = 1;  // the titles the user chose

    GameMusic(MusicSettings& settings, Window& notify) : settings_(settings), notify_(notify) {}
    ~GameMusic();
    GameMusic(const GameMusic&) = delete;
    GameMusic& operator=(const GameMusic&) = delete;

    // Starts the start title (when asked and playable), else the next title
    // of `list`; with `fallBack`, an empty chosen list falls back to the
    // folder's. A title that will not play asks whether to turn the music off.
    void Play(int list, bool startTitle, bool fallBack);
    // Closes the title playing and starts `storedPath`; 0 or the player's
    // error code. With the music off it only closes.
    int OpenMusicFile(const std::string& storedPath);
    // Scans the folder again and drops titles no longer in it from both
    // lists; an empty folder list takes the whole folder.
    void RefreshMusicLists();

private:
    std::string Folder() const;
    std::string StartTitle() const;
    bool AskToTurnOff(const std::string& path, int code);

    MusicSettings& settings_;
    Window& notify_;
};

// "Sound\" of the program folder, the default music folder.
constexpr const char* kDefaultMusicFolder = "Sound\\";
constexpr const char* kDefaultStartTitle = "Sound\\Start.mp3";

// A music file is known by the text after the first point of its name.
bool IsMusicFileType(const std::string& fileName);
// The music files of a folder (stored path), ordered by their first
// character without regard to case; names with the same first character
// keep the order the folder gave them.
std::vector<std::string> ScanMusicFolder(const std::string& storedFolder);
