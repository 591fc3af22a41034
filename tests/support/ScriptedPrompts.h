#pragma once

#include <deque>
#include <vector>

#include "common/Prompts.h"

// A Prompts fake: records every message and answers from a queue of scripted answers
// (Ok / the "no" answer of the box when the queue is empty). Installs itself while alive.
class ScriptedPrompts : public Prompts {
public:
    struct Shown {
        QString text;
        QString caption;
        PromptIcon icon;
        PromptButtons buttons;
    };

    ScriptedPrompts();
    ~ScriptedPrompts() override;

    PromptAnswer message(const QString& text, const QString& caption, PromptIcon icon,
                         PromptButtons buttons) override;

    QStringList openFiles(const QString& filter) override;
    QString saveFile(const QString& filter, const QString& defaultSuffix) override;

    void answerNext(PromptAnswer answer) { answers.push_back(answer); }

    // What the next file dialogs return (nothing queued: cancelled).
    std::deque<QStringList> openAnswers;
    std::deque<QString> saveAnswers;
    QStringList dialogFilters;

    std::vector<Shown> shown;
    std::deque<PromptAnswer> answers;
};
