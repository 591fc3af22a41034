#include "AppFixture.h"

#include "audio/NullOutput.h"

void AppFixture::restartApp() {
    Variables::destroyInstance();
    Variables::instance().dataFolder = data.path();
    Sound::createInstance(std::make_unique<NullOutput>());
}

void AppFixture::addSongs(int count, double seconds) {
    for (int i = 0; i < count; ++i) {
        const QString path = dataPath(QString("song%1.wav").arg(i));
        ASSERT_TRUE(writeToneWav(path, seconds));
        PlayList::instance().addSong({path, "artist", QString("title %1").arg(i)});
    }
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

void AppFixture::click(QWidget* widget) {
    const QPoint centre(widget->width() / 2, widget->height() / 2);
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, centre);
}
