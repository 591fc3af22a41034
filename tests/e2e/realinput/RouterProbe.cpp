// A skin window with two buttons and a slider on a real X display, for the real-input tests of
// the mouse routing. Prints "ready" once shown, "fired <function>" for every button click,
// "value <n>" for every slider report and "states <a> <b> <knob>" whenever a look changes.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "audio/NullOutput.h"
#include "audio/Sound.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/SliderFunction.h"
#include "support/RecordingSkinHost.h"

namespace {

void say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

class PrintingReceiver : public CallerPtr {
public:
    void callback(Callable* caller) override {
        if (auto* button = dynamic_cast<ButtonFunction*>(caller)) {
            say(QString("fired %1").arg(button->getFunction()));
        } else if (auto* slider = dynamic_cast<SliderFunction*>(caller)) {
            say(QString("value %1").arg(slider->getValue()));
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir dataFolder;
    QApplication app(argc, argv);
    RecordingSkinHost host(dataFolder.path());
    Sound::createInstance(std::make_unique<NullOutput>());
    PrintingReceiver receiver;
    {
        MainWindow window(host, host.context);
        window.setCollapsedSize(300, 200);
        window.move(100, 100);
        window.show();
        ButtonFunction prev(&window, 3);
        ButtonFunction next(&window, 4);
        SliderFunction volume(&window, SliderFunction::volumeFunction);
        prev.setPosition(20, 20);
        next.setPosition(100, 20);
        volume.setSizeClass(0);
        volume.setSize(90, 10);
        volume.setPosition(20, 100);
        prev.setReceiver(&receiver);
        next.setReceiver(&receiver);
        volume.setReceiver(&receiver);
        prev.show();
        next.show();
        volume.show();
        QString lastStates;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            const QString states = QString("states %1 %2 %3")
                                       .arg(prev.getState())
                                       .arg(next.getState())
                                       .arg(volume.getKnobFrame());
            if (std::exchange(lastStates, states) != states) {
                say(states);
            }
        });
        watch.start(10);
        QTimer::singleShot(300, [] { say("ready"); });
        app.exec();
    }
    Sound::deleteInstance();
    return 0;
}
