#include "tools/sound-builder/SoundBuilder.h"

#include <cstdlib>
#include <future>
#include <vector>

#include "tools/sound-builder/Mp3Encoder.h"
#include "tools/sound-builder/SoundDescription.h"
#include "tools/sound-builder/Synth.h"
#include "tools/sound-builder/WaveFile.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kDescriptionFiles[] = {"effects.txt", "music.txt"};
constexpr const char* kEffectFolder = "Effekte";
constexpr const char* kMusicFolder = "Sound";

// A folder for the titles' wave files on their way to MP3, removed at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string name = (fs::temp_directory_path() / "corvanta-sounds-XXXXXX").string();
        if (mkdtemp(name.data()))
            path_ = name;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        if (!path_.empty())
            fs::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

bool MakeFolder(const fs::path& folder, std::string* error) {
    std::error_code failed;
    fs::create_directories(folder, failed);
    if (failed)
        *error = folder.string() + ": " + failed.message();
    return !failed;
}

}  // namespace

bool BuildGameSounds(const fs::path& soundData, const fs::path& programFolder, const std::string& lame,
                     std::string* error) {
    std::vector<SoundSpec> sounds;
    for (const char* name : kDescriptionFiles)
        if (!ReadSoundFile(soundData / name, sounds, error))
            return false;
    const fs::path effects = programFolder / kEffectFolder, music = programFolder / kMusicFolder;
    ScratchFolder scratch;
    if (scratch.Path().empty()) {
        *error = "cannot make a scratch folder in " + fs::temp_directory_path().string();
        return false;
    }
    if (!MakeFolder(effects, error) || !MakeFolder(music, error))
        return false;
    // The sounds are made side by side; each depends on its description alone.
    std::vector<std::future<std::vector<uint8_t>>> waves;
    for (const SoundSpec& sound : sounds)
        waves.push_back(std::async(std::launch::async, [&sound] { return WaveFileBytes(RenderSound(sound)); }));
    Mp3Encoder encoder(lame);
    for (size_t i = 0; i < sounds.size(); ++i) {
        const SoundSpec& sound = sounds[i];
        const std::vector<uint8_t> wave = waves[i].get();
        if (sound.kind == SoundKind::kEffect) {
            if (!WriteFileBytes(effects / (sound.name + ".wav"), wave, error))
                return false;
            continue;
        }
        const fs::path waveFile = scratch.Path() / (sound.name + ".wav");
        if (!WriteFileBytes(waveFile, wave, error) || !encoder.Start(waveFile, music / (sound.name + ".mp3"), error))
            return false;
    }
    return encoder.Finish(error);
}
