#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The real veskplayer binary on an X display with a fresh HOME, or the given one (data kept).
class PlayerProcess {
public:
    explicit PlayerProcess(const QString& display, const QString& existingHome = {});
    ~PlayerProcess();
    // An environment variable for the next start (QT_SCALE_FACTOR, ...; SDL_AUDIODRIVER is
    // "dummy" unless set here).
    void setVariable(const QString& name, const QString& value) { extra.insert(name, value); }
    // Another copy of the launcher to start (the build's by default).
    void setProgram(const QString& path) { program = path; }
    void setWorkingDirectory(const QString& folder) { process.setWorkingDirectory(folder); }
    void start(const QStringList& arguments = {});
    bool waitForExit(int timeoutMs) { return process.waitForFinished(timeoutMs); }
    int exitCode() const { return process.exitCode(); }
    qint64 processId() const { return process.processId(); }
    bool crashed() const { return process.exitStatus() == QProcess::CrashExit; }
    // Everything the program wrote on standard output so far.
    QString output();
    // Waits until the output holds the text the given number of times; false on timeout.
    bool waitForOutput(const QString& text, int times = 1, int timeoutMs = 20000);
    QString home() const { return homePath; }
    QString dataFolder() const { return homePath + "/Documents/VeskPlayer"; }
    QString runtimeFolder() const { return homePath + "/runtime"; }

private:
    QTemporaryDir homeDir;
    QString homePath;
    QProcess process;
    QString display;
    QString program = VESK_PLAYER_BINARY;
    QProcessEnvironment extra;
    QByteArray collected;
};
