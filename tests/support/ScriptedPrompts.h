#pragma once
#include <QThread>
#include <deque>
#include <functional>
#include <vector>
#include "common/Prompts.h"

// A Prompts fake: records every message, dialog and text entry and answers from queues of
// scripted answers (when a queue is empty: the "no" answer of the box, a cancelled dialog).
// Installs itself while alive.
class ScriptedPrompts : public Prompts {
public:
    ScriptedPrompts();
    ~ScriptedPrompts() override;
    PromptAnswer ask(const PromptMessage& message) override;
    QStringList chooseFiles(const FileDialogRequest& request) override;
    std::optional<QString> enterText(const TextEntryRequest& request) override;
    void answerNext(PromptAnswer answer) { answers.push_back(answer); }
    // What the next file dialogs return: open files from openAnswers, one file to open or save
    // from saveAnswers (nothing queued: cancelled).
    std::deque<QStringList> openAnswers;
    std::deque<QString> saveAnswers;
    // Each dialog's type box as one Qt name filter text ("A (*.a);;B (*.b)").
    QStringList dialogFilters;
    std::vector<FileDialogRequest> dialogs;
    std::deque<std::optional<QString>> textAnswers;
    std::vector<TextEntryRequest> textEntries;
    std::vector<PromptMessage> shown;
    std::deque<PromptAnswer> answers;
    // Runs inside every message, dialog and text entry while it is open, as the events a real
    // one handles in its nested event loop.
    std::function<void()> whileOpen;
    // The thread of every message, dialog and text entry, in order.
    std::vector<QThread*> threads;

private:
    void open();
};
