#pragma once

#include <QString>
#include <cstdint>

// Numbers read from the start of a stored text line: leading blanks are skipped, an optional
// sign and decimal digits are read, and anything unreadable gives 0 (false).
namespace TextNumbers {

int32_t toInt(const QString& text);
uint32_t toUnsigned(const QString& text);
// A bool is a number: exactly 1 is true, anything else false.
bool toBool(const QString& text);

}  // namespace TextNumbers
