#include "desktop/StartOptions.h"

StartOptions StartOptions::parse(const std::vector<std::string>& arguments) {
    StartOptions options;
    bool namesOnly = false;
    for (const std::string& argument : arguments) {
        if (namesOnly || !argument.starts_with("--")) {
            options.names.push_back(argument);
        } else if (argument == "--") {
            namesOnly = true;
        } else if (argument == "--new-instance") {
            options.newInstance = true;
        } else if (argument == "--help") {
            options.help = true;
        } else if (const auto action =
                       DesktopActions::fromName(std::string_view(argument).substr(2))) {
            options.actions.push_back(*action);
        } else if (options.unknownOption.empty()) {
            options.unknownOption = argument;
        }
    }
    return options;
}

StartOptions StartOptions::parse(int argc, const char* const* argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.emplace_back(argv[i]);
    }
    return parse(arguments);
}

const char* StartOptions::usage() {
    return "Usage: veskplayer [options] [files, folders or playlists...]\n"
           "A running player gets the files and commands; otherwise the player starts.\n"
           "  --play-pause     play or pause\n"
           "  --stop           stop\n"
           "  --previous       the previous song\n"
           "  --next           the next song\n"
           "  --playlist       open the playlist window\n"
           "  --new-instance   start another player even when one is running\n"
           "  --help           this text\n"
           "  --               everything after it is a file name\n";
}
