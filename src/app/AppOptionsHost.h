#pragma once

#include "options/OptionsHost.h"

class Variables;

// The application's side of the options window: its settings and the skin library's commands,
// forwarded to the application singleton.
class AppOptionsHost : public OptionsHost {
public:
    explicit AppOptionsHost(Variables& app) : app(app) {}

    EditableSettings settings() const override;
    void applySettings(const EditableSettings& edited) override;
    QString dataFolder() const override;
    QString currentSkinName() const override;
    void useSkin(const QString& name) override;
    void newSkin(PromptOwner owner) override;
    void deleteSkin(const QString& name) override;
    void importSkin(PromptOwner owner) override;
    void exportSkin(PromptOwner owner) override;
    void saveSkin() override;
    void optionsClosed() override;

private:
    Variables& app;
};
