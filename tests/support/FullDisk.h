#pragma once
#include <QByteArray>
#include <QString>

// A small file system of its own (tmpfs) mounted over a folder, inside a mount namespace private
// to the calling thread, so a test can fill it up without touching the machine's disks. Needs
// the right to mount (root); whyUnavailable() says why when it could not be set up.
class FullDisk {
public:
    FullDisk(const QString& folder, int kibibytes);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
    bool mounted() const { return whyNot.isEmpty(); }
    QString whyUnavailable() const { return whyNot; }
    // Writes a filler file until no byte more fits; true when the disk is then full.
    bool fill();

private:
    QByteArray mountPoint;
    QString whyNot;
};
