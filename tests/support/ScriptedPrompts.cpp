#include "support/ScriptedPrompts.h"
#include "common/NestedLoop.h"

namespace {
// The front of the queue, taken out; `otherwise` when it is empty.
template <typename T>
T next(std::deque<T>& queue, T otherwise) {
    if (queue.empty()) {
        return otherwise;
    }
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}
}  // namespace

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
    return next(answers, dismissedAnswer(message.buttons));
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
        return next(openAnswers, QStringList());
    }
    return saveAnswers.empty() ? QStringList() : QStringList{next(saveAnswers, QString())};
}

std::optional<QString> ScriptedPrompts::enterText(const TextEntryRequest& request) {
    open();
    textEntries.push_back(request);
    return next(textAnswers, std::optional<QString>());
}
