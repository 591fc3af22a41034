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
    QFile file(dataPath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void AppFixture::writeData(const QString& name, const QByteArray& contents) const {
    QFile file(dataPath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

std::vector<ButtonFunction*> AppFixture::buttons(size_t window, int function) {
    std::vector<ButtonFunction*> found;
    for (Element* element : app().skinWindows().elementsOf(window)) {
        auto* button = dynamic_cast<ButtonFunction*>(element);
        if (button && button->getFunction() == function) {
            found.push_back(button);
        }
    }
    return found;
}

std::vector<ButtonFunction*> AppFixture::allButtons(int function) {
    std::vector<ButtonFunction*> found;
    for (size_t i = 0; i < app().skinWindows().count(); ++i) {
        for (ButtonFunction* button : buttons(i, function)) {
            found.push_back(button);
        }
    }
    return found;
}

std::vector<SliderFunction*> AppFixture::sliders(int function) {
    std::vector<SliderFunction*> found;
    for (size_t i = 0; i < app().skinWindows().count(); ++i) {
        for (Element* element : app().skinWindows().elementsOf(i)) {
            auto* slider = dynamic_cast<SliderFunction*>(element);
            if (slider && slider->getFunction() == function) {
                found.push_back(slider);
            }
        }
    }
    return found;
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
