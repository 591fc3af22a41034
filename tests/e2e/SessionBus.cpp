#include "SessionBus.h"

#include <QElapsedTimer>
#include <QProcessEnvironment>

SessionBus::SessionBus() {
    daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
    if (!daemon.waitForStarted(5000)) {
        return;
    }
    QElapsedTimer timer;
    timer.start();
    QByteArray printed;
    while (!printed.contains('\n') && timer.elapsed() < 10000 &&
           daemon.state() == QProcess::Running) {
        daemon.waitForReadyRead(200);
        printed += daemon.readAllStandardOutput();
    }
    busAddress = QString::fromLatin1(printed.trimmed());
}

SessionBus::~SessionBus() {
    daemon.terminate();
    if (!daemon.waitForFinished(5000)) {
        daemon.kill();
        daemon.waitForFinished(5000);
    }
}

void SessionBus::start(QProcess& process, const QString& program, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SESSION_BUS_ADDRESS", busAddress);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForStarted(5000);
}

QString SessionBus::run(const QString& program, const QStringList& arguments) {
    QProcess tool;
    start(tool, program, arguments);
    if (!tool.waitForFinished(10000) || tool.exitStatus() != QProcess::NormalExit ||
        tool.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(tool.readAllStandardOutput().trimmed());
}
