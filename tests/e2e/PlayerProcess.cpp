#include "PlayerProcess.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

#include "support/Waiting.h"

PlayerProcess::PlayerProcess(const QString& display, const QString& existingHome)
    : homePath(existingHome.isEmpty() ? homeDir.path() : existingHome), display(display) {}

PlayerProcess::~PlayerProcess() {
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
}

void PlayerProcess::start(const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", homePath);
    environment.insert("DISPLAY", display);
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("SDL_AUDIODRIVER", "dummy");
    // Documents, settings and the trash are the test HOME's own; the desktop's media controls go
    // on a bus only a test gives (setVariable).
    for (const char* name : {"XDG_DOCUMENTS_DIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME",
                             "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS"}) {
        environment.remove(name);
    }
    // The running copy is found through the runtime folder: one of its own per HOME keeps the
    // tests (and a player the developer runs) apart.
    QDir().mkpath(runtimeFolder());
    QFile::setPermissions(runtimeFolder(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    environment.insert("XDG_RUNTIME_DIR", runtimeFolder());
    environment.insert(extra);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForStarted(10000);
}

QString PlayerProcess::output() {
    // Without an event loop here, QProcess reads the pipe only while asked to wait for it.
    if (process.state() == QProcess::Running) {
        process.waitForReadyRead(10);
    }
    collected += process.readAllStandardOutput();
    return QString::fromLatin1(collected);
}

bool PlayerProcess::waitForOutput(const QString& text, int times, int timeoutMs) {
    return waitFor([&] { return output().count(text) >= times; }, timeoutMs);
}
