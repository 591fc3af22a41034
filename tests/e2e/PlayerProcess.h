#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The real veskplayer binary, started on a given X display with a fresh HOME.
class PlayerProcess {
public:
    // A fresh HOME, or the given one (to start again on the data of an earlier run).
    explicit PlayerProcess(const QString& display, const QString& existingHome = {});
    ~PlayerProcess();

    // An environment variable for the next start (QT_SCALE_FACTOR, ...; SDL_AUDIODRIVER is
    // "dummy" unless set here).
    void setVariable(const QString& name, const QString& value) { extra.insert(name, value); }
    void start(const QStringList& arguments = {});
    // Another copy of the launcher to start (the build's by default).
    void setProgram(const QString& path) { program = path; }
    // The folder the program is started in (the test's own by default).
    void setWorkingDirectory(const QString& folder) { process.setWorkingDirectory(folder); }
    // Waits for the program to end; false on timeout.
    bool waitForExit(int timeoutMs);
    int exitCode() const { return process.exitCode(); }
    qint64 processId() const { return process.processId(); }
    bool crashed() const { return process.exitStatus() == QProcess::CrashExit; }
    // Everything the program wrote on standard output so far.
    QString output();
    // Waits until the output holds the text the given number of times; false on timeout.
    bool waitForOutput(const QString& text, int times = 1, int timeoutMs = 20000);
    // Waits until the file worker has finished the given number of adds (the files of the
    // command line, a handed-over start, the playlist reopened at start).
    bool waitForAdds(int adds = 1) { return waitForOutput("ended openfiles thread\n", adds); }

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
