#pragma once

#include <functional>
#include <memory>

#include "common/Prompts.h"

class QFileDialog;
class QInputDialog;
class QMessageBox;
class QWidget;

// The production prompts: Qt message boxes, Qt's own file dialogs and a text entry dialog. An
// owner handed through the seam is the QWidget* of the window the prompt belongs to; a prompt
// without one belongs to the fallback owner (the skin window the action came from). Every
// prompt is kept above its owner.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(std::function<QWidget*()> fallbackOwner = {});

    PromptAnswer ask(const PromptMessage& message) override;
    QStringList chooseFiles(const FileDialogRequest& request) override;
    std::optional<QString> enterText(const TextEntryRequest& request) override;

    // The dialogs exactly as they are shown, before they are shown.
    static std::unique_ptr<QMessageBox> messageBoxFor(const PromptMessage& message);
    static std::unique_ptr<QFileDialog> fileDialogFor(const FileDialogRequest& request);
    static std::unique_ptr<QInputDialog> textEntryFor(const TextEntryRequest& request);

    // The Qt name filter of a type box entry. Qt takes the patterns from the last parentheses,
    // separated by spaces, and (with the details hidden) shows what stands before them, so
    // the display text is followed by the patterns Qt understands: "*.mp3;*.wav" becomes
    // "*.mp3 *.wav", and "*.*" becomes "*" so that files without a dot are matched too.
    static QString qtNameFilter(const FileFilter& filter);

private:
    PromptOwner ownerOr(PromptOwner owner) const;

    std::function<QWidget*()> fallbackOwner;
};
