#pragma once

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <functional>

#include "common/ButtonCommand.h"

// The program's icon in the desktop's status area, with a menu of the main player commands, the
// options window, "Add window" and "Close". What the items do is the application's: it hands
// in how to run a command and how to add a window.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    struct Actions {
        // Runs a button's command without its debug line.
        std::function<void(ButtonCommand)> runCommand;
        std::function<void()> addWindow;
    };

    // Puts the icon up. Where the desktop has no status area, says so once on standard output;
    // the icon then appears if a status area starts later.
    explicit TrayIcon(Actions actions);
    ~TrayIcon() override;

    // True while the icon is up in a status area, where the user can reach the menu.
    bool isReachable() const;

    // The menu the icon opens; its items in order, separators included.
    QMenu& menu() { return contextMenu; }
    const QSystemTrayIcon& icon() const { return trayIcon; }

private:
    void addItem(const QString& text, std::function<void()> action);

    Actions actions;
    QMenu contextMenu;
    QSystemTrayIcon trayIcon;
};
