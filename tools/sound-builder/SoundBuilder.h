#pragma once

#include <filesystem>
#include <string>

// Makes every sound the game ships from the descriptions in `soundData`
// (effects.txt, music.txt): the effects as wave files in "Effekte\" of the
// program folder, the music titles as MP3 files in "Sound\", encoded by the
// program `lame`. False with a message naming the fault.
bool BuildGameSounds(const std::filesystem::path& soundData, const std::filesystem::path& programFolder,
                     const std::string& lame, std::string* error);
