#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "desktop/DesktopAction.h"

// What the program was asked to do at start: the names to add, the player commands to run and
// whether to start beside a running copy. Options begin with "--"; after a lone "--" everything
// is a name, so a file called "--next" can still be opened.
struct StartOptions {
    QStringList names;
    std::vector<DesktopAction> actions;
    bool newInstance = false;
    bool help = false;
    // The first argument that looked like an option and is none; empty when all were understood.
    QString unknownOption;

    // The arguments without the program's own path.
    static StartOptions parse(const QStringList& arguments);
    // The option summary printed by "--help" and after an unknown option.
    static QString usage();
};
