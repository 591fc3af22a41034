#pragma once

#include <QString>
#include <QStringList>

// Every message box, question and file dialog of the program goes through this seam, so the
// production build shows Qt dialogs and the tests answer from a script.
enum class PromptIcon { None, Error, Warning, Information, Question };
enum class PromptButtons { Ok, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Yes, No, Cancel };

class Prompts {
public:
    virtual ~Prompts() = default;

    // A message box owned by no window.
    virtual PromptAnswer message(const QString& text, const QString& caption, PromptIcon icon,
                                 PromptButtons buttons) = 0;

    // File dialogs: the chosen names, empty when cancelled. filter is a Qt name filter
    // ("Playlists (*.vpl)"); the save dialog appends defaultSuffix to a name without one.
    virtual QStringList openFiles(const QString& filter) = 0;
    virtual QString saveFile(const QString& filter, const QString& defaultSuffix) = 0;

    // The answer of a box closed without choosing: Ok, No, or Cancel when the box has one.
    static PromptAnswer dismissedAnswer(PromptButtons buttons);

    // Shorthand for the error boxes: "OK" only, error icon.
    void error(const QString& text, const QString& caption);

    // The prompts in use; the program installs the Qt ones at start, tests a scripted fake.
    // Until something is installed, messages are answered as if dismissed (Ok / No / Cancel).
    static Prompts& current();
    static void install(Prompts* prompts);
};
