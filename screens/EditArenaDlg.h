#pragma once

#include <cstdint>
#include <string>

class CArena;

// The editor's "edit stadium" dialog. CArena::Edit fills the name and the
// score-board level before it runs and takes both back afterwards; the
// dialog changes the grid and the blocks on the arena itself.
class CEditArenaDlg {
public:
    std::string name;
    uint8_t scoreBoard = 0;

    void SetArena(CArena* arena) { arena_ = arena; }
    CArena* GetArena() const { return arena_; }

    // Runs the dialog modally; false when cancelled. The dialog's window is
    // not there yet, so it closes at once as if cancelled.
    bool Open() { return false; }

private:
    CArena* arena_ = nullptr;
};
