#include "AppFixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

#include "app/SkinLibrary.h"
#include "app/SkinWindows.h"
#include "app/Variables.h"
#include "audio/NullOutput.h"
#include "audio/Sound.h"
#include "playlist/PlayList.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/SliderFunction.h"
#include "support/Files.h"
#include "support/WavFile.h"

void AppFixture::SetUp() {
    restartApp();
}

void AppFixture::restartApp() {
    Variables::destroyInstance();
    Variables::instance().dataFolder = data.path();
    Sound::createInstance(std::make_unique<NullOutput>());
}

void AppFixture::TearDown() {
    Variables::destroyInstance();
}

Variables& AppFixture::app() {
    return Variables::instance();
}

SkinWindows& AppFixture::layout() {
    return app().skinWindows();
}

void StartedApp::SetUp() {
    AppFixture::SetUp();
    app().init({});
}

void AppFixture::addSongs(int count, double seconds) {
    for (int i = 0; i < count; ++i) {
        const QString path = dataPath(QString("song%1.wav").arg(i));
        ASSERT_TRUE(writeToneWav(path, seconds));
        PlayList::instance().addSong({path, "artist", QString("title %1").arg(i)});
    }
}

void AppFixture::settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QByteArray AppFixture::readData(const QString& name) const {
    return readFile(dataPath(name));
}

void AppFixture::writeData(const QString& name, const QByteArray& contents) const {
    ASSERT_TRUE(writeFile(dataPath(name), contents));
}

namespace {

// The elements of the type in the windows [first, end) that have the function.
template <typename Type>
std::vector<Type*> withFunction(SkinWindows& windows, size_t first, size_t end, int function) {
    std::vector<Type*> found;
    for (size_t i = first; i < end; ++i) {
        for (Element* element : windows.elementsOf(i)) {
            auto* typed = dynamic_cast<Type*>(element);
            if (typed && typed->getFunction() == function) {
                found.push_back(typed);
            }
        }
    }
    return found;
}

}  // namespace

std::vector<ButtonFunction*> AppFixture::buttons(size_t window, ButtonCommand command) {
    return withFunction<ButtonFunction>(layout(), window, window + 1, idOf(command));
}

std::vector<ButtonFunction*> AppFixture::allButtons(ButtonCommand command) {
    return withFunction<ButtonFunction>(layout(), 0, layout().count(), idOf(command));
}

std::vector<SliderFunction*> AppFixture::sliders(int function) {
    return withFunction<SliderFunction>(layout(), 0, layout().count(), function);
}

QStringList AppFixture::pictures(ButtonCommand command) {
    QStringList names;
    for (ButtonFunction* button : allButtons(command)) {
        names << (button->getBitmap() ? button->getBitmap()->getName() : QString());
    }
    return names;
}

bool AppFixture::finishPackageWork() {
    return QTest::qWaitFor([this] { return app().skinLibrary().packagesIdle(); }, 20000);
}

void AppFixture::click(QWidget* widget) {
    const QPoint centre(widget->width() / 2, widget->height() / 2);
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, centre);
}
