#pragma once

#include <QByteArray>
#include <optional>

// The user's private folder for the running copy's socket and lock: "veskplayer" in the user's
// runtime folder (XDG_RUNTIME_DIR), or, when there is none (su, cron, a session without a
// login manager), "veskplayer-<uid>" in the temporary folder. The folder must belong to the user
// and be closed to everyone else; one that does not is never used.
class InstanceFolder {
public:
    // Creates the folder when missing; none when it cannot be made safe or its socket path does
    // not fit a local socket address.
    static std::optional<InstanceFolder> forCurrentUser();
    // The same below a given base folder; the temporary-folder fallback names it with the uid.
    static std::optional<InstanceFolder> below(const QByteArray& base, const QByteArray& name);

    QByteArray path() const { return folder; }
    QByteArray socketPath() const { return folder + "/instance"; }
    QByteArray lockPath() const { return folder + "/instance.lock"; }

private:
    explicit InstanceFolder(QByteArray folder) : folder(std::move(folder)) {}

    QByteArray folder;
};
