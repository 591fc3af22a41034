#pragma once

#include <optional>
#include <string>

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
    static std::optional<InstanceFolder> below(const std::string& base, const std::string& name);

    const std::string& path() const { return folder; }
    std::string socketPath() const { return folder + "/instance"; }
    std::string lockPath() const { return folder + "/instance.lock"; }

private:
    explicit InstanceFolder(std::string folder) : folder(std::move(folder)) {}

    std::string folder;
};
