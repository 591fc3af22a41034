#pragma once

#include <string>
#include <vector>

#include "desktop/DesktopAction.h"

// What the program was asked to do at start: the names to add, the player commands to run and
// whether to start beside a running copy. Options begin with "--"; after a lone "--" everything
// is a name, so a file called "--next" can still be opened. Names are bytes as the file system
// has them.
struct StartOptions {
    std::vector<std::string> names;
    std::vector<DesktopAction> actions;
    bool newInstance = false;
    bool help = false;
    // The first argument that looked like an option and is none; empty when all were understood.
    std::string unknownOption;

    // The arguments without the program's own path.
    static StartOptions parse(const std::vector<std::string>& arguments);
    // The same from main's arguments, after the program's path.
    static StartOptions parse(int argc, const char* const* argv);
    // The option summary printed by "--help" and after an unknown option.
    static const char* usage();
};
