#include "support/ScriptedPrompts.h"

ScriptedPrompts::ScriptedPrompts() {
    Prompts::install(this);
}

ScriptedPrompts::~ScriptedPrompts() {
    Prompts::install(nullptr);
}

PromptAnswer ScriptedPrompts::ask(const PromptMessage& message) {
    threads.push_back(QThread::currentThread());
    shown.push_back(message);
    if (!answers.empty()) {
        PromptAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return dismissedAnswer(message.buttons);
}

QStringList ScriptedPrompts::chooseFiles(const FileDialogRequest& request) {
    threads.push_back(QThread::currentThread());
    dialogs.push_back(request);
    QStringList texts;
    for (const FileFilter& filter : request.filters) {
        texts << filter.displayText;
    }
    dialogFilters << texts.join(";;");
    if (request.mode == FileDialogRequest::Mode::OpenFiles) {
        if (openAnswers.empty()) {
            return {};
        }
        QStringList names = openAnswers.front();
        openAnswers.pop_front();
        return names;
    }
    if (saveAnswers.empty()) {
        return {};
    }
    QString name = saveAnswers.front();
    saveAnswers.pop_front();
    return {name};
}

std::optional<QString> ScriptedPrompts::enterText(const TextEntryRequest& request) {
    threads.push_back(QThread::currentThread());
    textEntries.push_back(request);
    if (textAnswers.empty()) {
        return std::nullopt;
    }
    std::optional<QString> text = textAnswers.front();
    textAnswers.pop_front();
    return text;
}
