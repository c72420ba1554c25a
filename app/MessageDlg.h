#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/MessageBoxLayout.h"
#include "platform/ModalRunner.h"
#include "platform/PlayerMessages.h"
#include "platform/Window.h"
#include "ui/EditLine.h"

// The one box through which the game talks to the user: notices, questions,
// a choice between up to three answers, a text entry, and the progress
// window of long work. The caller builds it on its stack, fills title and
// text (and labels or the entry's preset), opens it and reads the result.
//
// The box is a window of its own, painted in the skin's colours and
// pictures: with a window backend it runs in a nested loop and takes its
// clicks and keys; without one the dialog runner answers in its place.
class CMessageDlg : public ModalDialog, public Window {
public:
    static constexpr int kMaxChoices = MessageBoxLayout::kMaxChoices;
    static constexpr int kIconCount = 7;
    static constexpr int kNoIcon = -1;  // any value outside 0-6 shows no icon
    static constexpr int kFullPercent = 100;
    // The box's client size and its entry line, in dialog units.
    static constexpr Size kSizeInDialogUnits{403, 280};
    static constexpr Rect kInputInDialogUnits{120, 220, 120 + 115, 220 + 14};

    CMessageDlg() = default;
    ~CMessageDlg() override;
    CMessageDlg(const CMessageDlg&) = delete;
    CMessageDlg& operator=(const CMessageDlg&) = delete;

    // Runs the box modally; true when it ended with OK or a choice button.
    // An event box while events are off is not shown and gives false.
    bool Open(uint32_t flagWord, int iconNumber);
    // Shows the box while the caller works; the caller updates percent and
    // calls DrawProgress, and the box goes away with this object.
    bool ShowModeless(uint32_t flagWord, int iconNumber);
    // Shows the current percent (capped at 100) in the progress bar.
    void DrawProgress();

    ModalRecord Describe() const override;
    void Accept(const ModalAnswer& answer) override;
    Window* DialogWindow() override { return this; }

    void OnInitDialog() override;
    void OnShowWindow(bool show) override;
    void OnPaint(DeviceContext& dc) override;
    void OnLButtonDown(unsigned keyFlags, Point p) override;
    void OnKeyDown(unsigned key, unsigned repeat, unsigned keyFlags) override;
    void OnChar(unsigned character, unsigned repeat, unsigned keyFlags) override;
    // Every way of ending with OK takes the entry line's text.
    void OnOK() override;

    // The parts as the last paint placed them: the hit areas of the clicks.
    const MessageBoxLayout& PaintedLayout() const { return painted_; }
    const EditLine& InputLine() const { return input_; }

    int percent = 0;
    int icon = kNoIcon;
    std::string text;
    // The choice button that ended the box. Enter ends it with OK and leaves
    // the first button, so a caller never reads a choice that was not offered.
    int choice = 0;
    std::array<std::string, kMaxChoices> choiceLabels;  // filled from the first on
    std::string title;
    std::string inputText;
    bool modeless = false;
    uint32_t flags = 0;

private:
    bool IsSuppressed() const;
    int ChoiceCount() const;

    void PaintTitle(DeviceContext& dc, const MessageBoxLayout& m) const;
    void PaintButtons(DeviceContext& dc, const MessageBoxLayout& m) const;
    void PaintTextBox(DeviceContext& dc, const MessageBoxLayout& m) const;
    void PaintIcons(DeviceContext& dc, const MessageBoxLayout& m) const;
    void PaintProgress(DeviceContext& dc, const MessageBoxLayout& m);

    ModalRunner* modelessRunner_ = nullptr;
    MessageBoxLayout painted_;
    EditLine input_;
};
