#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

// Reads the lines of a stored text file strictly by position, the way the program's settings
// and skin window files are read: no key is ever compared, value lines are turned into numbers
// from their start, and reading past the end never fails. Past the end every line reads as
// empty, except that a last line without a line end is read again in place of each missing
// line (the reader keeps the last line it got when the file ends without a line end).
class LineReader {
public:
    explicit LineReader(const QByteArray& contents);

    QString readLine();
    void skipLines(int count);
    int32_t readInt();
    uint32_t readUnsigned();
    bool readBool();

    // True while a line of the file itself is still unread.
    bool hasFileLineLeft() const;
    // True when a missing line reads as the file's last line again rather than as empty.
    bool repeatsLastLine() const;

private:
    QStringList lines;
    qsizetype next = 0;
    bool lastLineEnded = true;
};
