#include "app/GameMusic.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "app/MessageDlg.h"
#include "platform/Path.h"
#include "platform/Random.h"
#include "platform/Sound.h"
#include "platform/Text.h"
#include "platform/WindowSystem.h"

namespace {

constexpr std::array<const char*, 19> kMusicFileTypes = {
    "mid", "midi", "wav", "cda", "aif", "aifc", "aiff", "au", "mp3", "snd",
    "wma", "mpeg", "mpg", "m1v", "mp2", "mpa", "mpe", "avi", "wmv",
};
constexpr size_t kMaxFolderEntries = 10000;
constexpr int kQuestionIcon = 4;

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return LowerCp1252(a) == LowerCp1252(b);
}

void KeepTitlesFound(std::vector<std::string>& titles, const std::vector<std::string>& found) {
    std::erase_if(titles, [&](const std::string& title) {
        return std::none_of(found.begin(), found.end(),
                            [&](const std::string& name) { return SameIgnoringCase(name, title); });
    });
}

}  // namespace

bool IsMusicFileType(const std::string& fileName) {
    const size_t point = fileName.find('.');
    if (point == std::string::npos || point == 0)
        return false;
    const std::string type = LowerCp1252(fileName.substr(point + 1));
    return std::find(kMusicFileTypes.begin(), kMusicFileTypes.end(), type) != kMusicFileTypes.end();
}

std::vector<std::string> ScanMusicFolder(const std::string& storedFolder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(ResolvePath(storedFolder), error), end;
         !error && it != end && names.size() < kMaxFolderEntries; it.increment(error)) {
        std::string name = Utf8ToCp1252(it->path().filename().string());
        if (it->is_regular_file(error) && IsMusicFileType(name))
            names.push_back(std::move(name));
    }
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return LowerCp1252(a.substr(0, 1)) < LowerCp1252(b.substr(0, 1));
    });
    return names;
}

GameMusic::~GameMusic() { CurrentWindowSystem().Sound().StopMusic(); }

std::string GameMusic::Folder() const {
    return !settings_.defaultFolder && !settings_.folder.empty() ? settings_.folder : kDefaultMusicFolder;
}

std::string GameMusic::StartTitle() const {
    return !settings_.defaultFolder && !settings_.startTitle.empty() ? settings_.startTitle : kDefaultStartTitle;
}

int GameMusic::OpenMusicFile(const std::string& storedPath) {
    SoundPlayer& sound = CurrentWindowSystem().Sound();
    sound.StopMusic();
    if (!settings_.on)
        return 0;
    return sound.PlayMusic(ResolvePath(storedPath).string(), &notify_);
}

void GameMusic::Play(int list, bool startTitle, bool fallBack) {
    if (startTitle && OpenMusicFile(StartTitle()) == 0)
        return;
    if (settings_.titles2.empty()) {
        if (!fallBack)
            return;
        list = kFolderList;
    }
    const std::vector<std::string>& titles = list == kChosenList ? settings_.titles2 : settings_.titles;
    if (titles.empty())
        return;
    int k;
    if (settings_.random) {
        k = RandBelow(static_cast<int>(titles.size()));
    } else {
        int32_t& next = settings_.nextIndex[list == kChosenList ? 1 : 0];
        if (next < 0 || next >= static_cast<int32_t>(titles.size()))
            next = 0;
        k = next++;
    }
    const std::string path = Folder() + titles[k];
    const int code = OpenMusicFile(path);
    if (code != 0 && AskToTurnOff(path, code))
        settings_.on = false;
}

bool GameMusic::AskToTurnOff(const std::string& path, int code) {
    CMessageDlg box;
    box.title = "sound error";
    box.text = "sound error with file '" + path + "' occured " + CurrentWindowSystem().Sound().MusicErrorText(code) +
               "Should the sound be turned off ?";
    return box.Open(MSG_YELLOW | MSG_OK | MSG_CANCEL | MSG_MESSAGE, kQuestionIcon);
}

void GameMusic::RefreshMusicLists() {
    std::vector<std::string> found = ScanMusicFolder(Folder());
    if (found.empty()) {
        settings_.defaultFolder = true;
        settings_.folder = kDefaultMusicFolder;
        settings_.startTitle.clear();
        found = ScanMusicFolder(Folder());
    }
    KeepTitlesFound(settings_.titles, found);
    KeepTitlesFound(settings_.titles2, found);
    if (settings_.titles.empty())
        settings_.titles = found;
}
