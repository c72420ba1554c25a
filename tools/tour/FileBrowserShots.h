#pragma once

#include <string>
#include <vector>

#include "platform/Bitmap.h"

class HeadlessGameWindow;

// A dialog as the user meets it: its picture laid over the main window's.
struct DialogPicture {
    std::string name;  // what the index calls it
    std::string file;  // the last part of its file name
    Bitmap picture;
};

// The file browser over the main window as it stands: saving the game under
// the club's name, loading one with a save game selected, and choosing a
// crest with its picture shown. Save games named after the world's first
// clubs are laid into the program folder for it and removed again.
std::vector<DialogPicture> ShowFileBrowser(HeadlessGameWindow& game);
