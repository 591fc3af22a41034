#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Every message box, question, file dialog and text entry of the program goes through this seam,
// so the production build shows Qt dialogs and the tests answer from a script. Texts are always
// shown as plain text: a song title or a path holding markup is shown as it stands.
//
// Window thread only: a prompt runs a nested event loop and owns widgets. Other threads post their
// work to the window thread and never wait for an answer.
enum class PromptIcon { None, Error, Warning, Information, Question };
enum class PromptButtons { Ok, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Yes, No, Cancel };

// The window a prompt belongs to, handed through untouched: a QWidget* for the Qt prompts.
// None: the prompt belongs to no window.
using PromptOwner = void*;

struct PromptMessage {
    QString text;
    QString caption;
    PromptIcon icon = PromptIcon::None;
    PromptButtons buttons = PromptButtons::Ok;
    // The button Enter chooses; none: the first button.
    std::optional<PromptAnswer> defaultButton;
    PromptOwner owner = nullptr;
    // Shown above every other window, also above skin windows that stay on top.
    bool topmost = false;
};

// One entry of a file dialog's type box: the text shown, exactly as given, and the patterns it
// selects ("*.mp3", "*.wav"; "*.*" means every file, with or without a dot).
struct FileFilter {
    QString displayText;
    QStringList patterns;
};

struct FileDialogRequest {
    enum class Mode { OpenFiles, OpenFile, Save };
    Mode mode = Mode::OpenFile;
    // The entries of the type box, in order; the first is selected.
    std::vector<FileFilter> filters;
    // Empty: the toolkit's choice.
    QString initialFolder;
    // Save: appended (after a dot) to a name typed without an extension.
    QString defaultSuffix;
    PromptOwner owner = nullptr;
};

struct TextEntryRequest {
    QString caption;
    QString initialText;
    PromptOwner owner = nullptr;
};

class Prompts {
public:
    virtual ~Prompts() = default;

    virtual PromptAnswer ask(const PromptMessage& message) = 0;

    // Open files: every file chosen, in the dialog's order. Open file and save: one path. A
    // save dialog asks before replacing an existing file. Empty when cancelled.
    virtual QStringList chooseFiles(const FileDialogRequest& request) = 0;

    // A one-line text box with Ok and Cancel: the text on Ok, nothing on Cancel.
    virtual std::optional<QString> enterText(const TextEntryRequest& request) = 0;

    // A message box owned by no window.
    PromptAnswer message(const QString& text, const QString& caption, PromptIcon icon,
                         PromptButtons buttons);

    // The answer of a box closed without choosing: Ok, No, or Cancel when the box has one.
    static PromptAnswer dismissedAnswer(PromptButtons buttons);

    // Shorthand for the error boxes: "OK" only, error icon.
    void error(const QString& text, const QString& caption);

    // The prompts in use; the program installs the Qt ones at start, tests a scripted fake.
    // Until something is installed, messages are answered as if dismissed (Ok / No / Cancel).
    static Prompts& current();
    static void install(Prompts* prompts);
};
