#include "common/HomeTrash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

// Enough to step over every earlier entry of the same name a user keeps.
constexpr int namesToTry = 1000;

QString nameToTry(const QString& base, int attempt) {
    return attempt == 0 ? base : base + " " + QString::number(attempt + 1);
}

QByteArray noteOf(const QString& absolutePath, const QDateTime& when) {
    return "[Trash Info]\nPath=" + QUrl::toPercentEncoding(absolutePath, "/") +
           "\nDeletionDate=" + when.toString(Qt::ISODate).left(19).toLatin1() + "\n";
}

}  // namespace

QString HomeTrash::folder() {
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    // The variable counts only when it holds an absolute path.
    const QString base =
        QDir::isAbsolutePath(dataHome) ? dataHome : QDir::homePath() + "/.local/share";
    return base + "/Trash";
}

bool HomeTrash::moveIn(const QString& path, const QDateTime& when) {
    const QFileInfo entry(path);
    if (!entry.exists() && !entry.isSymLink()) {
        return false;
    }
    const QString trash = folder();
    if (!QDir().mkpath(trash + "/files") || !QDir().mkpath(trash + "/info")) {
        return false;
    }
    QFile::setPermissions(trash, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString absolutePath = QDir::cleanPath(entry.absoluteFilePath());
    for (int attempt = 0; attempt < namesToTry; ++attempt) {
        const QString name = nameToTry(entry.fileName(), attempt);
        // The note is made first and exclusively: it claims the name against any other program
        // trashing at the same moment.
        QFile note(trash + "/info/" + name + ".trashinfo");
        if (!note.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            continue;
        }
        const QString target = trash + "/files/" + name;
        const bool noted = note.write(noteOf(absolutePath, when)) > 0 && note.flush();
        note.close();
        if (QFileInfo(target).exists() || QFileInfo(target).isSymLink()) {
            note.remove();
            continue;
        }
        // A rename only: across file systems it fails, and the caller decides what then.
        if (noted && QDir().rename(absolutePath, target)) {
            return true;
        }
        note.remove();
        return false;
    }
    return false;
}
