#pragma once

#include <QByteArray>

// The count file "windows": the number of skin windows on one line.
namespace WindowCountFile {

inline constexpr const char* fileName = "windows";

// The count when the file cannot be opened: one window, built from the default.
inline constexpr int countWhenMissing = 1;
// Never more windows than this, whatever a damaged file says.
inline constexpr int maxCount = 64;

// The first line read as an unsigned number: text, a negative number or 0 give no window at
// all; a count above maxCount gives maxCount.
int parse(const QByteArray& contents);
QByteArray serialize(int count);

}  // namespace WindowCountFile
