#include "tools/tour/FileBrowserShots.h"

#include <filesystem>
#include <fstream>

#include "app/GameView.h"
#include "platform/DeviceContext.h"
#include "platform/Path.h"
#include "platform/WindowModalRunner.h"
#include "screens/FileBrowserDlg.h"
#include "tools/headless-game/HeadlessGameWindow.h"
#include "world/Team.h"
#include "world/WorldWalk.h"

namespace fs = std::filesystem;

namespace {

// More than the ten rows, so the list shows its thumb.
constexpr int kSaveGames = 14;
constexpr int kSelectedRow = 2;

std::vector<fs::path> LaySaveGames(const CWorld& world) {
    std::vector<fs::path> files;
    VisitClubs(world, [&](CNation&, CLeague&, CTeam& club) {
        if (files.size() >= kSaveGames)
            return;
        const fs::path file = ResolvePath("Save\\" + club.name + ".ksv");
        std::error_code ignored;
        fs::create_directories(file.parent_path(), ignored);
        std::ofstream(file, std::ios::binary) << club.name;
        files.push_back(file);
    });
    return files;
}

Bitmap OverWindow(const Bitmap& window, const Bitmap& dialog) {
    Bitmap picture = window;
    DeviceContext dc(&picture);
    dc.BitBlt((window.Width() - dialog.Width()) / 2, (window.Height() - dialog.Height()) / 2, dialog.Width(),
              dialog.Height(), dialog, 0, 0, RasterOp::Copy);
    return picture;
}

// The dialog runs on the window system until its first paint, then Escape
// ends it. It keeps its list and layout, so a click on a row through its
// handler and a paint show what the user sees after that click.
Bitmap Show(HeadlessGameWindow& game, CFileBrowserDlg& dlg, FileBrowserMode mode, const char* extension,
            const char* folder, int row) {
    game.System().QueueInput(InputEvent::KeyDown(Key::kEscape));
    dlg.Open(mode, extension, folder);
    if (row >= 0)
        dlg.OnLButtonDown(0, dlg.PaintedLayout().Row(row).Center());
    DeviceContext dc(&dlg.Surface());
    dlg.OnPaint(dc);
    return OverWindow(game.View().Surface(), dlg.Surface());
}

}  // namespace

std::vector<DialogPicture> ShowFileBrowser(HeadlessGameWindow& game) {
    WindowModalRunner onScreen(game.System(), game.Boxes());
    ModalRunner* previous = SetModalRunner(&onScreen);
    const std::vector<fs::path> saves = LaySaveGames(game.View().World());
    std::vector<DialogPicture> pictures;

    CFileBrowserDlg save;
    save.title = "save game";
    save.chosenName = game.View().UserTeam() ? game.View().UserTeam()->name : "";
    pictures.push_back({"save game", "file-browser-save",
                        Show(game, save, FileBrowserMode::Save, "ksv", "Save\\", -1)});
    CFileBrowserDlg load;
    load.title = "load game";
    pictures.push_back({"load game", "file-browser-load",
                        Show(game, load, FileBrowserMode::Load, "ksv", "Save\\", kSelectedRow)});
    CFileBrowserDlg crest;
    crest.title = "search for an icon";
    pictures.push_back({"search for an icon", "file-browser-crest",
                        Show(game, crest, FileBrowserMode::Load, "bmp", "Wappen\\", kSelectedRow)});

    for (const fs::path& file : saves) {
        std::error_code ignored;
        fs::remove(file, ignored);
    }
    SetModalRunner(previous);
    return pictures;
}
