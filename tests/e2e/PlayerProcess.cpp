#include "PlayerProcess.h"

#include <QProcessEnvironment>

PlayerProcess::PlayerProcess(const QString& display) : display(display) {}

PlayerProcess::~PlayerProcess() {
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
}

void PlayerProcess::start(const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", homeDir.path());
    environment.insert("DISPLAY", display);
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("SDL_AUDIODRIVER", "dummy");
    environment.remove("XDG_DOCUMENTS_DIR");
    environment.remove("XDG_CONFIG_HOME");
    environment.remove("WAYLAND_DISPLAY");
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(VESK_PLAYER_BINARY, arguments);
    process.waitForStarted(10000);
}

bool PlayerProcess::waitForExit(int timeoutMs) {
    const bool finished = process.waitForFinished(timeoutMs);
    collected += process.readAllStandardOutput();
    return finished;
}

QString PlayerProcess::output() {
    collected += process.readAllStandardOutput();
    return QString::fromLatin1(collected);
}
