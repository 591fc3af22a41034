#pragma once

#include "common/Prompts.h"

// The production prompts: Qt message boxes owned by no window.
class QtPrompts : public Prompts {
public:
    PromptAnswer message(const QString& text, const QString& caption, PromptIcon icon,
                         PromptButtons buttons) override;
    QStringList openFiles(const QString& filter) override;
    QString saveFile(const QString& filter, const QString& defaultSuffix) override;
};
