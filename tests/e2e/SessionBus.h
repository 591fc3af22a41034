#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A private D-Bus session bus for one test, stopped with the object, and the command-line tools
// that talk on it.
class SessionBus {
public:
    SessionBus();
    ~SessionBus();

    bool isRunning() const { return !busAddress.isEmpty(); }
    QString address() const { return busAddress; }

    // Runs a tool (playerctl, ...) on this bus; its standard output, trimmed, or a null string
    // when it failed.
    QString run(const QString& program, const QStringList& arguments);
    // Starts a long-running tool (dbus-monitor) on this bus.
    void start(QProcess& process, const QString& program, const QStringList& arguments);

private:
    QProcess daemon;
    QString busAddress;
};
