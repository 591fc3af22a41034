#include "options/TrayIcon.h"

#include <QGuiApplication>

#include "common/DebugLog.h"
#include "skin_ui/drawing/ProgramIcon.h"

TrayIcon::TrayIcon(Actions givenActions) : actions(std::move(givenActions)) {
    addItem("Add window", [this] { actions.addWindow(); });
    contextMenu.addSeparator();
    addItem("Play/Pause", [this] { actions.runCommand(ButtonCommand::playPause); });
    addItem("Stop", [this] { actions.runCommand(ButtonCommand::stop); });
    addItem("Prev", [this] { actions.runCommand(ButtonCommand::previous); });
    addItem("Next", [this] { actions.runCommand(ButtonCommand::next); });
    contextMenu.addSeparator();
    addItem("Options", [this] { actions.runCommand(ButtonCommand::options); });
    contextMenu.addSeparator();
    addItem("Close", [this] {
        trayIcon.hide();
        actions.runCommand(ButtonCommand::close);
    });

    // The program's icon is loaded once: the application's windows carry it already.
    const QIcon programIcon = QGuiApplication::windowIcon();
    trayIcon.setIcon(programIcon.isNull() ? ProgramIcon::icon() : programIcon);
    trayIcon.setToolTip(QStringLiteral("VeskPlayer"));
    // Only the right button opens the menu; other clicks on the icon do nothing.
    trayIcon.setContextMenu(&contextMenu);
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        DebugLog::write("no status area: the tray icon is not shown\n");
    }
    trayIcon.show();
}

TrayIcon::~TrayIcon() {
    trayIcon.hide();
}

bool TrayIcon::isReachable() const {
    return trayIcon.isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::addItem(const QString& text, std::function<void()> action) {
    QAction* item = contextMenu.addAction(text);
    connect(item, &QAction::triggered, this, std::move(action));
}
