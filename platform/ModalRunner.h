#pragma once

#include <optional>
#include <string>
#include <vector>

// Every dialog of the game runs through one runner. The window backend runs a
// nested event loop there in which the dialog paints itself and takes its
// clicks; the headless backend answers from a script and records each box.

// What a dialog shows, in the words a runner without a window can keep.
struct ModalRecord {
    std::string kind;  // "message", "edit player", ...
    std::string title;
    std::string text;
    unsigned flags = 0;
    int extra = 0;  // icon number, mode or the like
    std::vector<std::string> choiceLabels;
    std::string inputText;  // the preset of an entry line
    bool modeless = false;
};

// How a dialog ended when no window decided it.
struct ModalAnswer {
    bool ok = true;
    std::optional<int> choice;             // a choice button that ended it
    std::optional<std::string> inputText;  // the text typed into its entry line

    static ModalAnswer Ok() { return {}; }
    static ModalAnswer Cancel() { return {false, {}, {}}; }
    static ModalAnswer Choice(int index) { return {true, index, {}}; }
    static ModalAnswer Input(std::string text) { return {true, {}, std::move(text)}; }
};

class Window;

// The side of a dialog that a runner sees.
class ModalDialog {
public:
    virtual ~ModalDialog() = default;
    virtual ModalRecord Describe() const = 0;
    // Takes an answer that the runner decided in place of the user.
    virtual void Accept(const ModalAnswer& answer) = 0;
    // The window that paints the dialog and takes its input; a dialog
    // without one is shown by the backend's plain runner.
    virtual Window* DialogWindow() { return nullptr; }
};

class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    // Runs the dialog modally; true when it ended with OK.
    virtual bool Run(ModalDialog& dialog) = 0;
    // A window that stays up while its caller works, until CloseModeless.
    virtual void ShowModeless(ModalDialog& dialog) = 0;
    // Shows the dialog's changed state (a progress bar) at once.
    virtual void RefreshModeless(ModalDialog& dialog) = 0;
    virtual void CloseModeless(ModalDialog& dialog) = 0;
};

// The runner in use: the headless one until a backend installs its own.
ModalRunner& CurrentModalRunner();
// Installs a runner (null brings back the headless one); returns the previous.
ModalRunner* SetModalRunner(ModalRunner* runner);
