#include "support/ScriptedPrompts.h"

#include "common/NestedLoop.h"

ScriptedPrompts::ScriptedPrompts() {
    Prompts::install(this);
}

ScriptedPrompts::~ScriptedPrompts() {
    Prompts::install(nullptr);
}

void ScriptedPrompts::open() {
    threads.push_back(QThread::currentThread());
    const NestedLoop::Guard inDialog;
    if (whileOpen) {
        whileOpen();
    }
}

PromptAnswer ScriptedPrompts::ask(const PromptMessage& message) {
    open();
    shown.push_back(message);
    if (!answers.empty()) {
        PromptAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return dismissedAnswer(message.buttons);
}

QStringList ScriptedPrompts::chooseFiles(const FileDialogRequest& request) {
    open();
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
    open();
    textEntries.push_back(request);
    if (textAnswers.empty()) {
        return std::nullopt;
    }
    std::optional<QString> text = textAnswers.front();
    textAnswers.pop_front();
    return text;
}
