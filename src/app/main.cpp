#include <QApplication>
#include <cstdlib>
#include <ctime>

#include "app/QtPrompts.h"
#include "app/Variables.h"
#include "skin_ui/drawing/ProgramIcon.h"
#include "skin_ui/drawing/WholeScaleFactor.h"

namespace {

// Skin windows place themselves in screen coordinates, which a native Wayland session does not
// allow; run on XWayland unless the user chose a platform.
void preferX11OnWayland() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    preferX11OnWayland();
    WholeScaleFactor::apply();
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(ProgramIcon::icon());
    QtPrompts prompts;
    Prompts::install(&prompts);

    QStringList files = app.arguments();
    files.removeFirst();
    Variables::instance().init(files);
    app.exec();
    Variables::destroyInstance();
    Prompts::install(nullptr);
    // The quit code (18 for a normal close) is not the program's result.
    return 0;
}
