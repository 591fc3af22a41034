#include <QApplication>

#include "app/QtPrompts.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QtPrompts prompts;
    Prompts::install(&prompts);
    return app.exec() == 0 ? 0 : 0;
}
