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
