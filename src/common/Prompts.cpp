#include "common/Prompts.h"

#include "common/DebugLog.h"

namespace {

class SilentPrompts : public Prompts {
public:
    PromptAnswer message(const QString& text, const QString& caption, PromptIcon,
                         PromptButtons buttons) override {
        DebugLog::write("prompt without a user: " + caption.toStdString() + ": " +
                        text.toStdString() + "\n");
        return dismissedAnswer(buttons);
    }
    QStringList openFiles(const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&) override { return {}; }
};

Prompts* installed = nullptr;

}  // namespace

PromptAnswer Prompts::dismissedAnswer(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::Ok: return PromptAnswer::Ok;
        case PromptButtons::YesNo: return PromptAnswer::No;
        case PromptButtons::YesNoCancel: return PromptAnswer::Cancel;
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
