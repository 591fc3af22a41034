#pragma once

#include <QString>
#include <QStringList>

// Gathers the files that one round of saving could not write, so that the user is told once,
// with every file named, instead of once per file.
//
// While a report is open on a thread, failed() adds to it; with none open, failed() shows the
// file's own box at once. Saving the whole state opens a report, saves every file and then calls
// tell():
//
//     SaveReport report;
//     saveWindows();   // each failed save calls SaveReport::failed(path, name)
//     ...
//     report.tell();
class SaveReport {
public:
    // Opens the report on this thread (an outer report is set aside until this one closes).
    SaveReport();
    // Closes the report without telling anything.
    ~SaveReport();
    SaveReport(const SaveReport&) = delete;
    SaveReport& operator=(const SaveReport&) = delete;

    // A file was not saved: its full path and its name in the message ("sfo.0", "windows",
    // "sfw", "playlist.vpl"). Goes to the report open on this thread, or else straight to the
    // user as a box of its own.
    static void failed(const QString& path, const QString& name);

    void add(const QString& path, const QString& name);
    // The full paths of the files not saved, in the order they failed.
    const QStringList& paths() const { return failedPaths; }

    // Shows one error box when anything failed: the full paths, one per line, as its text and
    // "ERROR - Failed to save (" + the names, joined by ", " + ")" as its caption. One failed
    // file thus gives the same box as a failed save of that file alone.
    void tell() const;

private:
    QStringList failedPaths;
    QStringList names;
    SaveReport* outer;
};
