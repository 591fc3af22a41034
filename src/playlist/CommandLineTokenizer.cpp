#include "playlist/CommandLineTokenizer.h"

namespace {

constexpr QChar blank = u' ';
constexpr QChar quote = u'"';

// What follows the program's path and the one blank after it.
QString argumentText(const QString& commandLine) {
    qsizetype pathEnd = -1;
    if (commandLine.startsWith(quote)) {
        const qsizetype closing = commandLine.indexOf(quote, 1);
        pathEnd = closing < 0 ? commandLine.size() : closing + 1;
    } else {
        pathEnd = commandLine.indexOf(blank);
        if (pathEnd < 0) {
            pathEnd = commandLine.size();
        }
    }
    return commandLine.mid(pathEnd + 1);
}

bool onlyBlanks(const QString& text) {
    for (QChar c : text) {
        if (c != blank) {
            return false;
        }
    }
    return true;
}

QStringList tokens(QString rest) {
    QStringList kept;
    while (rest.contains(blank)) {
        if (rest.startsWith(quote)) {
            rest.remove(0, 1);
            const qsizetype closing = rest.indexOf(quote);
            if (closing < 0) {
                kept.append(rest);  // the rest stays for its pieces to follow
            } else {
                kept.append(rest.left(closing));
                rest.remove(0, closing + 1);
            }
        } else {
            const qsizetype space = rest.indexOf(blank);
            kept.append(rest.left(space));
            rest.remove(0, space + 1);
        }
    }
    if (!rest.isEmpty()) {
        if (rest.startsWith(quote)) {
            rest.remove(0, 1);
            const qsizetype closing = rest.indexOf(quote);
            if (closing >= 0) {
                rest.truncate(closing);
            }
        }
        kept.append(rest);
    }
    return kept;
}

}  // namespace

CommandLineTokenizer::Arguments CommandLineTokenizer::split(const QString& commandLine) {
    const QString text = argumentText(commandLine);
    Arguments arguments;
    if (onlyBlanks(text)) {
        return arguments;
    }
    arguments.given = true;
    for (const QString& token : tokens(text)) {
        if (!token.isEmpty()) {
            arguments.names.append(token);
        }
    }
    return arguments;
}
