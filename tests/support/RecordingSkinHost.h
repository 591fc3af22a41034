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
    explicit RecordingSkinHost(const QString& dataFolder = QString()) { setDataFolder(dataFolder); }
    void setDataFolder(const QString& dataFolder) {
        context.skinFolder = QDir(dataFolder).filePath("skins/default");
    }
    void closeRequested() override { ++closes; }
    void pathsDropped(const QStringList&) override {}
    void addElement(MainWindow*, QPoint at) override {
        requests << QString("add element %1,%2").arg(at.x()).arg(at.y());
    }
    void addWindow() override { requests << "add window"; }
    void deleteWindow(MainWindow*) override { requests << "delete window"; }
    void importSkin(MainWindow*) override { requests << "import skin"; }
    void exportSkin(MainWindow*) override { requests << "export skin"; }
    void newSkin(MainWindow*) override { requests << "new skin"; }
    void saveSkin() override { requests << "save skin"; }
    void useSkin(const QString& name) override { requests << "use skin " + name; }
    void showOptions() override { requests << "options"; }
    void undo() override { requests << "undo"; }
    void redo() override { requests << "redo"; }
    void showPlaylist(MainWindow*) override { requests << "playlist"; }
    void choosePlayerOptions(const PlayerFiles::PlayerChoices&) override {
        requests << "player options";
    }
    void changeType(Element*, ElementType type) override {
        requests << QString("type %1").arg(numberOf(type));
    }
    void deleteElement(Element*) override { requests << "delete"; }
    void editFinished(Element* element, const SkinWindowFile::ElementRecord& before) override {
        edits.push_back({element, before});
    }
    void windowEditFinished(MainWindow*, const SkinWindowFile&) override {}
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
    // Each menu command as it arrived, named ("add window", "use skin red", "type 2", ...).
    QStringList requests;
    std::vector<Edit> edits;
};
