#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/FileSearch.h"
#include "platform/ModalRunner.h"
#include "platform/Window.h"
#include "screens/FileBrowserLayout.h"
#include "ui/ControlSet.h"
#include "ui/EditLine.h"

// The one dialog through which the user picks a file or a folder inside the
// program folder: save games, exports, crests, sponsors' logos, the skin.
// It lists the files of one type in one sub-folder, ten rows at a time with
// an icon of the kind, shows the details of the selected file (a bitmap as
// a preview), and in save mode takes a new name in its name line and asks
// before an existing file is overwritten. An empty type chooses a folder.
//
// The caller sets the title and, when saving, a proposed name, then opens
// the dialog and on success reads GetFileName or GetFullPath:
//
//     CFileBrowserDlg browser;
//     browser.title = "save game";
//     browser.chosenName = clubName;
//     if (browser.Open(FileBrowserMode::Save, "ksv", "Save\\"))
//         Save(browser.GetFullPath());
//
// The dialog paints itself in the skin; its only standard control is the
// name line, read-only in load mode. A runner without a window answers in
// the user's place as Enter would: OK saves under the answer's text (or the
// proposed name), and loads the entry the answer's choice numbers or its
// text names exactly; a load without either is no choice.
enum class FileBrowserMode : uint8_t { Save = 0, Load = 1 };

class CFileBrowserDlg : public ModalDialog, public Window {
public:
    static constexpr Size kSizeInDialogUnits{353, 222};
    static constexpr Rect kNameLineInDialogUnits{70, 180, 70 + 205, 180 + 14};
    static constexpr int kRows = FileBrowserLayout::kRows;
    static constexpr size_t kMaxEntries = 1000;

    CFileBrowserDlg();
    CFileBrowserDlg(const CFileBrowserDlg&) = delete;
    CFileBrowserDlg& operator=(const CFileBrowserDlg&) = delete;

    // Lists the folder's files of the type (without its point; empty for
    // the sub-folders) and runs the dialog. The folder is a stored path
    // relative to the program folder with a trailing backslash ("Save\").
    // True when it ended with a choice: a name in save mode, an entry of
    // the list in load mode.
    bool Open(FileBrowserMode mode, const std::string& extension, const std::string& folder);
    // The chosen name with its point and type; a folder's with a backslash.
    std::string GetFileName() const;
    // The folder and the file name: the choice's stored path, relative to the
    // program folder that every file function of platform/ puts in front.
    std::string GetFullPath() const;

    // The caption; "save file" or "load file" when empty.
    std::string title;
    // The name in the name line, without the type; callers propose one for saving.
    std::string chosenName;

    ModalRecord Describe() const override;
    void Accept(const ModalAnswer& answer) override;
    Window* DialogWindow() override { return this; }

    void OnInitDialog() override;
    void OnShowWindow(bool show) override;
    void OnPaint(DeviceContext& dc) override;
    void OnLButtonDown(unsigned flags, Point p) override;
    void OnLButtonDblClk(unsigned flags, Point p) override;
    void OnLButtonUp(unsigned flags, Point p) override;
    void OnMouseMove(unsigned flags, Point p) override;
    void OnMouseWheel(unsigned flags, int delta, Point screenPoint) override;
    void OnKeyDown(unsigned key, unsigned repeat, unsigned flags) override;
    void OnChar(unsigned character, unsigned repeat, unsigned flags) override;
    // Enter takes the name line's text and ends the dialog without the
    // question before overwriting.
    void OnOK() override;

    // What the last layout placed, and the state the tests check.
    const FileBrowserLayout& PaintedLayout() const { return layout_; }
    const std::vector<std::string>& Entries() const { return entries_; }
    int FirstRow() const { return firstRow_; }
    int Selection() const { return selection_; }
    const EditLine& NameLine() const { return nameLine_; }

private:
    void BuildList();
    bool HasValidSelection() const { return selection_ >= 0 && selection_ < EntryCount(); }
    int EntryCount() const { return static_cast<int>(entries_.size()); }
    int LastFirstRow() const { return EntryCount() - kRows; }
    std::string ShownTitle() const;
    std::string StoredPathOf(const std::string& name) const;

    // The OK picture: in save mode the question before overwriting.
    void OnOkPicture();
    // One click on the scroll strip or the list; true when it changed something.
    bool OnListClick(Point p);
    void ShowSelection();
    // The first entry that begins with the character goes to the top row.
    bool JumpTo(unsigned character);

    void PaintFrame(DeviceContext& dc) const;
    void PaintList(DeviceContext& dc) const;
    void PaintSelection(DeviceContext& dc) const;
    void PaintDetails(DeviceContext& dc) const;

    FileBrowserMode mode_ = FileBrowserMode::Save;
    std::string extension_;
    std::string folder_;
    std::vector<std::string> entries_;
    int firstRow_ = 0;
    int selection_ = -1;
    // The kind's icon in the icon picture, when the type is a known kind.
    std::optional<int> iconColumn_;
    Bitmap kindIcons_;
    // What the information panel shows of the selected entry.
    bool selectionShown_ = false;
    Bitmap preview_;
    Size previewSource_;  // the part of the preview's picture that is the bitmap
    Size previewSize_;
    std::optional<FoundFile> details_;

    FileBrowserLayout layout_;
    EditLine nameLine_;
    ControlSet controls_;
};

// The order of the list: by the first character alone (a byte comparison,
// so capitals come first); names with the same first character keep the
// order they came in.
void SortByFirstCharacter(std::vector<std::string>& names);
