#include "support/ScriptedPrompts.h"

ScriptedPrompts::ScriptedPrompts() {
    Prompts::install(this);
}

ScriptedPrompts::~ScriptedPrompts() {
    Prompts::install(nullptr);
}

PromptAnswer ScriptedPrompts::message(const QString& text, const QString& caption, PromptIcon icon,
                                      PromptButtons buttons) {
    shown.push_back({text, caption, icon, buttons});
    if (!answers.empty()) {
        PromptAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return dismissedAnswer(buttons);
}

QStringList ScriptedPrompts::openFiles(const QString& filter) {
    dialogFilters << filter;
    if (openAnswers.empty()) {
        return {};
    }
    QStringList names = openAnswers.front();
    openAnswers.pop_front();
    return names;
}

QString ScriptedPrompts::saveFile(const QString& filter, const QString&) {
    dialogFilters << filter;
    if (saveAnswers.empty()) {
        return {};
    }
    QString name = saveAnswers.front();
    saveAnswers.pop_front();
    return name;
}
