#pragma once

#include <QString>
#include <QStringList>

// Cuts a whole command line, as one string, into the names it passes to the program.
namespace CommandLineTokenizer {

struct Arguments {
    // False when nothing but blanks follows the program's own path.
    bool given = false;
    // The names in order, without their double quotes; empty names are left out.
    QStringList names;
};

// The first token is the program's own path (up to its closing double quote when the line starts
// with one, else up to the first blank) and is never among the names. A name in double quotes
// may hold blanks; a name with an opening quote and no closing one is given whole without the
// quote, and then each of its blank-separated pieces follows.
Arguments split(const QString& commandLine);

}  // namespace CommandLineTokenizer
