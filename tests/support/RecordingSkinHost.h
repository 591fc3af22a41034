#pragma once

#include <QDir>
#include <QStringList>
#include <vector>

#include "common/SkinContext.h"
#include "skin_ui/SkinWindowHost.h"

// A skin window host without an application: it records what the windows report, and holds
// the skin context they draw with (the default skin of a data folder).
class RecordingSkinHost : public SkinWindowHost {
public:
    struct Edit {
        Element* element;
        SkinWindowFile::ElementRecord before;
    };
    struct WindowEdit {
        MainWindow* window;
        SkinWindowFile before;
    };

    explicit RecordingSkinHost(const QString& dataFolder = QString()) { setDataFolder(dataFolder); }

    void setDataFolder(const QString& dataFolder) {
        context.skinFolder = QDir(dataFolder).filePath("skins/default");
    }

    void closeRequested() override { ++closes; }
    void pathsDropped(const QStringList& paths) override { dropped << paths; }
    void skinMenuCommand(MainWindow*, int id, QPoint) override { skinCommands.push_back(id); }
    void elementCommand(Element*, int id) override { elementCommands.push_back(id); }
    void editFinished(Element* element, const SkinWindowFile::ElementRecord& before) override {
        edits.push_back({element, before});
    }
    void windowEditFinished(MainWindow* window, const SkinWindowFile& before) override {
        windowEdits.push_back({window, before});
    }
    QString undoableEdit() const override { return undoable; }
    QString redoableEdit() const override { return redoable; }
    QStringList skinListing() const override { return listing; }
    QString currentSkinName() const override { return currentSkin; }

    SkinContext context;
    QStringList listing;
    QString currentSkin = "default";
    QString undoable;
    QString redoable;

    int closes = 0;
    QStringList dropped;
    std::vector<int> skinCommands;
    std::vector<int> elementCommands;
    std::vector<Edit> edits;
    std::vector<WindowEdit> windowEdits;
};
