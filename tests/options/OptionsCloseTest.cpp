// The options window closed while one of its commands waits in a dialog: the window lives until
// the command has returned into it, then goes.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "options/Options.h"
#include "options/OptionsHost.h"
#include "skin_ui/controls/WinButton.h"

namespace {

// Its import waits in a nested event loop, as a file dialog does, during which the window is
// closed; it lets go of a closed window as the application does, with deleteLater.
class ClosingDuringImportHost : public OptionsHost {
public:
    EditableSettings settings() const override { return {}; }
    void applySettings(const EditableSettings&) override {}
    QString dataFolder() const override { return folder.path(); }
    QString currentSkinName() const override { return "default"; }
    void useSkin(const QString&) override {}
    void newSkin(PromptOwner) override {}
    void deleteSkin(const QString&) override {}
    void exportSkin(PromptOwner) override {}
    void saveSkin() override {}
    void importSkin(PromptOwner owner) override {
        QEventLoop dialog;
        QTimer::singleShot(0, window, [this] { window->close(); });
        QTimer::singleShot(20, &dialog, &QEventLoop::quit);
        dialog.exec();
        aliveAfterDialog = !window.isNull();
    }
    void optionsClosed() override { window->deleteLater(); }

    QTemporaryDir folder;
    QPointer<Options> window;
    bool aliveAfterDialog = false;
};

}  // namespace

TEST(OptionsClosedDuringImport, TheWindowOutlivesTheImportThenGoes) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        ClosingDuringImportHost host;
        host.window = new Options(host);
        QTest::mouseClick(host.window->controls().importButton, Qt::LeftButton, Qt::NoModifier,
                          QPoint(5, 5));
        EXPECT_TRUE(host.aliveAfterDialog) << "deleted under its import, attempt " << attempt;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(host.window.isNull()) << "the closed window was never deleted";
    }
}
