#include "common/Prompts.h"

#include "common/DebugLog.h"

namespace {

class SilentPrompts : public Prompts {
public:
    PromptAnswer ask(const PromptMessage& message) override {
        DebugLog::write("prompt without a user: " + message.caption.toStdString() + ": " +
                        message.text.toStdString() + "\n");
        return dismissedAnswer(message.buttons);
    }
    QStringList chooseFiles(const FileDialogRequest&) override { return {}; }
    std::optional<QString> enterText(const TextEntryRequest&) override { return std::nullopt; }
};

Prompts* installed = nullptr;

// "Text (*.a *.b);;Other (*)" as type box entries showing each text whole.
std::vector<FileFilter> filtersOf(const QString& qtFilter) {
    std::vector<FileFilter> filters;
    for (const QString& entry : qtFilter.split(";;", Qt::SkipEmptyParts)) {
        const qsizetype open = entry.lastIndexOf('(');
        const qsizetype close = entry.lastIndexOf(')');
        QStringList patterns;
        if (open >= 0 && close > open) {
            patterns = entry.mid(open + 1, close - open - 1).split(' ', Qt::SkipEmptyParts);
        }
        filters.push_back({entry, patterns});
    }
    return filters;
}

}  // namespace

PromptAnswer Prompts::message(const QString& text, const QString& caption, PromptIcon icon,
                              PromptButtons buttons) {
    PromptMessage box;
    box.text = text;
    box.caption = caption;
    box.icon = icon;
    box.buttons = buttons;
    return ask(box);
}

QStringList Prompts::openFiles(const QString& filter) {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::OpenFiles;
    request.filters = filtersOf(filter);
    return chooseFiles(request);
}

QString Prompts::saveFile(const QString& filter, const QString& defaultSuffix) {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.filters = filtersOf(filter);
    request.defaultSuffix = defaultSuffix;
    const QStringList chosen = chooseFiles(request);
    return chosen.isEmpty() ? QString() : chosen.constFirst();
}

PromptAnswer Prompts::dismissedAnswer(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::Ok:
            return PromptAnswer::Ok;
        case PromptButtons::YesNo:
            return PromptAnswer::No;
        case PromptButtons::YesNoCancel:
            return PromptAnswer::Cancel;
    }
    return PromptAnswer::Ok;
}

void Prompts::error(const QString& text, const QString& caption) {
    message(text, caption, PromptIcon::Error, PromptButtons::Ok);
}

Prompts& Prompts::current() {
    static SilentPrompts silent;
    return installed ? *installed : silent;
}

void Prompts::install(Prompts* prompts) {
    installed = prompts;
}
