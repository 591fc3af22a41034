#include "AppFixture.h"

#include <QFile>
#include <QTest>

#include "app/SkinLibrary.h"
#include "app/SkinWindows.h"
#include "app/Variables.h"
#include "audio/NullOutput.h"
#include "audio/Sound.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/SliderFunction.h"
#include "support/Files.h"

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

std::vector<ButtonFunction*> AppFixture::buttons(size_t window, int function) {
    return withFunction<ButtonFunction>(app().skinWindows(), window, window + 1, function);
}

std::vector<ButtonFunction*> AppFixture::allButtons(int function) {
    return withFunction<ButtonFunction>(app().skinWindows(), 0, app().skinWindows().count(),
                                        function);
}

std::vector<SliderFunction*> AppFixture::sliders(int function) {
    return withFunction<SliderFunction>(app().skinWindows(), 0, app().skinWindows().count(),
                                        function);
}

QStringList AppFixture::pictures(int function) {
    QStringList names;
    for (ButtonFunction* button : allButtons(function)) {
        names << (button->getBitmap() ? button->getBitmap()->getName() : QString());
    }
    return names;
}

bool AppFixture::finishPackageWork() {
    return QTest::qWaitFor([this] { return app().skinLibrary().packagesIdle(); }, 20000);
}

void AppFixture::click(Element* element) {
    const QPoint centre(element->width() / 2, element->height() / 2);
    QTest::mousePress(element, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseRelease(element, Qt::LeftButton, Qt::NoModifier, centre);
}
