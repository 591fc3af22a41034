// Opens the options window on a fresh data folder (the default skin and two more skins) and
// saves a picture of it.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "app/Variables.h"
#include "audio/NullOutput.h"
#include "audio/Sound.h"
#include "options/Options.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: optionsshot picture.png\n");
        return 2;
    }
    QTemporaryDir data;
    Variables& variables = Variables::instance();
    variables.dataFolder = data.path();
    Sound::createInstance(std::make_unique<NullOutput>());
    variables.init({});
    QDir(data.path()).mkpath("skins/night");
    QDir(data.path()).mkpath("skins/plain");
    variables.showOptions();
    Options* window = variables.optionsWindow();
    QCoreApplication::processEvents();
    const bool saved = window->grab().save(QString::fromLocal8Bit(argv[1]));
    Variables::destroyInstance();
    return saved ? 0 : 1;
}
