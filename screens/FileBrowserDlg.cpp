#include "screens/FileBrowserDlg.h"

#include <algorithm>

#include "platform/PlayerMessages.h"
#include "ui/CrestBitmap.h"
#include "ui/DialogUnits.h"
#include "ui/SkinFiles.h"

namespace {

constexpr const char* kBitmapType = "bmp";
constexpr size_t kShortestFolderName = 2;

// The kinds known by their type, in the order of their icons: continent,
// nation, league, team, player and cup exports, save games, bitmaps, folders.
constexpr const char* kFileKinds[kFileKindCount] = {"kkn", "knt", "klg", "kmn", "ksp", "kpk", "ksv", "bmp", ""};

// The question before a file is overwritten: OK and cancel, "message" lit,
// the asking face.
constexpr uint32_t kOverwriteFlags = MSG_BLUE | MSG_OK | MSG_CANCEL | MSG_MESSAGE;
constexpr int kOverwriteIcon = 4;

}  // namespace

void SortByFirstCharacter(std::vector<std::string>& names) {
    auto first = [](const std::string& s) { return s.empty() ? 0 : static_cast<unsigned char>(s[0]); };
    std::stable_sort(names.begin(), names.end(),
                     [&](const std::string& a, const std::string& b) { return first(a) < first(b); });
}

CFileBrowserDlg::CFileBrowserDlg() { controls_.Add(nameLine_); }

bool CFileBrowserDlg::Open(FileBrowserMode mode, const std::string& extension, const std::string& folder) {
    mode_ = mode;
    extension_ = extension;
    folder_ = folder;
    BuildList();
    LoadBitmapFromFile(kFileKindIconsPath, kindIcons_);
    iconColumn_.reset();
    for (int kind = 0; kind < kFileKindCount; ++kind)
        if (extension_ == kFileKinds[kind])
            iconColumn_ = kind * kFileKindIconSide;
    selection_ = -1;
    firstRow_ = 0;
    selectionShown_ = false;
    if (!CurrentModalRunner().Run(*this))
        return false;
    return mode_ == FileBrowserMode::Save ? !chosenName.empty() : HasValidSelection();
}

// In folder mode the names without a point are the sub-folders; a name of
// one character goes with the dot entries a file search brings.
void CFileBrowserDlg::BuildList() {
    entries_.clear();
    for (const FoundFile& f : FindFiles(folder_, extension_, kMaxEntries))
        entries_.push_back(f.title);
    SortByFirstCharacter(entries_);
    if (extension_.empty())
        std::erase_if(entries_, [](const std::string& e) { return e.size() < kShortestFolderName; });
}

std::string CFileBrowserDlg::GetFileName() const {
    return extension_.empty() ? chosenName + "\\" : chosenName + "." + extension_;
}

std::string CFileBrowserDlg::GetFullPath() const { return folder_ + GetFileName(); }

std::string CFileBrowserDlg::ShownTitle() const {
    if (!title.empty())
        return title;
    return mode_ == FileBrowserMode::Save ? "save file" : "load file";
}

std::string CFileBrowserDlg::StoredPathOf(const std::string& name) const {
    return extension_.empty() ? folder_ + name : folder_ + name + "." + extension_;
}

ModalRecord CFileBrowserDlg::Describe() const {
    ModalRecord r;
    r.kind = "file browser";
    r.title = ShownTitle();
    r.text = folder_ + "*." + extension_;
    r.extra = static_cast<int>(mode_);
    r.choiceLabels = entries_;
    r.inputText = chosenName;
    return r;
}

void CFileBrowserDlg::Accept(const ModalAnswer& answer) {
    if (!answer.ok)
        return;
    if (mode_ == FileBrowserMode::Save) {
        if (answer.inputText)
            chosenName = *answer.inputText;
        return;
    }
    if (answer.choice) {
        selection_ = *answer.choice;
    } else if (answer.inputText) {
        const auto at = std::find(entries_.begin(), entries_.end(), *answer.inputText);
        selection_ = at == entries_.end() ? -1 : static_cast<int>(at - entries_.begin());
    }
    if (HasValidSelection())
        chosenName = entries_[selection_];
}

void CFileBrowserDlg::OnInitDialog() {
    const Size size = DialogUnits::ToPixels(kSizeInDialogUnits);
    MoveWindow({0, 0, size.width, size.height});
    CenterWindow();
    layout_ = LayOutFileBrowser(ClientRect());
    nameLine_.SetRectInDialogUnits(kNameLineInDialogUnits);
    nameLine_.SetText(chosenName);
    controls_.FocusFirst();
}

void CFileBrowserDlg::OnShowWindow(bool show) {
    if (show)
        nameLine_.SetReadOnly(mode_ == FileBrowserMode::Load);
}

void CFileBrowserDlg::OnOK() {
    chosenName = nameLine_.GetText();
    EndModal(true);
}

// A name that differs from an entry only in its capitals is no entry: the
// question is asked for the exact name alone.
void CFileBrowserDlg::OnOkPicture() {
    bool confirmed = HasValidSelection();
    if (mode_ == FileBrowserMode::Save) {
        chosenName = nameLine_.GetText();
        if (chosenName.empty())
            return;
        confirmed = true;
        if (std::find(entries_.begin(), entries_.end(), chosenName) != entries_.end())
            confirmed = TellPlayer({"file exists", "Do you want to " + chosenName + " overwrite the file ?",
                                    kOverwriteFlags, kOverwriteIcon});
    }
    if (confirmed)
        EndModal(true);
}

void CFileBrowserDlg::OnLButtonDown(unsigned flags, Point p) {
    if (controls_.OnLButtonDown(flags, p))
        return Invalidate();
    if (layout_.ok.Contains(p))
        return OnOkPicture();
    if (layout_.cancel.Contains(p))
        return OnCancel();
    const int selected = selection_;
    if (!OnListClick(p))
        return;
    if (selection_ != selected)
        ShowSelection();
    Invalidate();
}

bool CFileBrowserDlg::OnListClick(Point p) {
    const int firstRow = firstRow_;
    const int selected = selection_;
    if (layout_.down.Contains(p)) {
        firstRow_ = std::max(0, std::min(firstRow_ + 1, LastFirstRow()));
    } else if (layout_.up.Contains(p)) {
        firstRow_ = std::max(0, firstRow_ - 1);
    } else if (layout_.track.Contains(p)) {
        const int n = (p.y - layout_.track.top) * (EntryCount() - (kRows - 1)) / layout_.track.Height();
        if (n >= 0 && n <= LastFirstRow())
            firstRow_ = n;
    } else if (layout_.list.Contains(p)) {
        const int k = (p.y - layout_.list.top) * kRows / layout_.list.Height() + firstRow_;
        if (k >= 0 && k < EntryCount())
            selection_ = k;
    }
    return firstRow_ != firstRow || selection_ != selected;
}

// The first click of a double click has already selected the row.
void CFileBrowserDlg::OnLButtonDblClk(unsigned flags, Point p) {
    if (controls_.OnLButtonDblClk(flags, p))
        return Invalidate();
    if (mode_ == FileBrowserMode::Load && layout_.list.Contains(p) && HasValidSelection())
        EndModal(true);
}

void CFileBrowserDlg::OnLButtonUp(unsigned flags, Point p) {
    if (controls_.OnLButtonUp(flags, p))
        Invalidate();
}

void CFileBrowserDlg::OnMouseMove(unsigned flags, Point p) {
    if (controls_.OnMouseMove(flags, p))
        Invalidate();
}

void CFileBrowserDlg::OnMouseWheel(unsigned, int delta, Point screenPoint) {
    if (!layout_.list.Contains(ScreenToClient(screenPoint)))
        return;
    const int row = firstRow_ - delta / kWheelDelta;
    if (row >= 0 && row <= LastFirstRow() && row != firstRow_) {
        firstRow_ = row;
        Invalidate();
    }
}

// While a name is typed in save mode the keys are the name line's; in load
// mode, whose line is read-only, a key or character moves the list.
void CFileBrowserDlg::OnKeyDown(unsigned key, unsigned, unsigned flags) {
    if (controls_.OnKeyDown(key, flags))
        Invalidate();
    else if (mode_ == FileBrowserMode::Load && JumpTo(key))
        Invalidate();
}

void CFileBrowserDlg::OnChar(unsigned character, unsigned, unsigned flags) {
    if (controls_.OnChar(character, flags))
        Invalidate();
    else if (mode_ == FileBrowserMode::Load && JumpTo(character))
        Invalidate();
}

bool CFileBrowserDlg::JumpTo(unsigned character) {
    const auto at = std::find_if(entries_.begin(), entries_.end(), [&](const std::string& e) {
        return !e.empty() && static_cast<unsigned char>(e[0]) == character;
    });
    if (at == entries_.end())
        return false;
    firstRow_ = static_cast<int>(at - entries_.begin());
    return true;
}

// The selected entry goes into the name line; the panel shows a bitmap's
// picture or the file's details.
void CFileBrowserDlg::ShowSelection() {
    chosenName = entries_[selection_];
    nameLine_.SetText(chosenName);
    selectionShown_ = true;
    details_.reset();
    preview_ = Bitmap();
    if (extension_ == kBitmapType) {
        previewSource_ = LoadCrestBitmap(StoredPathOf(chosenName), preview_);
        previewSize_ = PreviewSize({layout_.info.Width(), layout_.info.Height()}, previewSource_);
    } else {
        details_ = FindFile(StoredPathOf(chosenName));
    }
}
