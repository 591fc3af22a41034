#include "desktop/StartOptions.h"

StartOptions StartOptions::parse(const QStringList& arguments) {
    StartOptions options;
    bool namesOnly = false;
    for (const QString& argument : arguments) {
        if (namesOnly || !argument.startsWith(QLatin1String("--"))) {
            options.names.append(argument);
        } else if (argument == QLatin1String("--")) {
            namesOnly = true;
        } else if (argument == QLatin1String("--new-instance")) {
            options.newInstance = true;
        } else if (argument == QLatin1String("--help")) {
            options.help = true;
        } else if (const auto action = DesktopActions::fromName(argument.mid(2))) {
            options.actions.push_back(*action);
        } else if (options.unknownOption.isEmpty()) {
            options.unknownOption = argument;
        }
    }
    return options;
}

QString StartOptions::usage() {
    return QStringLiteral(
        "Usage: veskplayer [options] [files, folders or playlists...]\n"
        "A running player gets the files and commands; otherwise the player starts.\n"
        "  --play-pause     play or pause\n"
        "  --stop           stop\n"
        "  --previous       the previous song\n"
        "  --next           the next song\n"
        "  --playlist       open the playlist window\n"
        "  --new-instance   start another player even when one is running\n"
        "  --help           this text\n"
        "  --               everything after it is a file name\n");
}
