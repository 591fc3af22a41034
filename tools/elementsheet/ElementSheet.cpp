// Draws every element as the player shows it into one picture: each button function at each
// size class in its three looks (and the "on" pictures of the two-state functions), horizontal
// and vertical sliders filled and unfilled, info strips and a list box with songs. The picture
// is taken from a real skin window at 1x and written at 2x, nearest neighbour.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <vector>

#include "audio/NullOutput.h"
#include "audio/Sound.h"
#include "playlist/PlayList.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/Info.h"
#include "skin_ui/elements/ListBox.h"
#include "skin_ui/elements/SliderFunction.h"
#include "support/RecordingSkinHost.h"

namespace {

// The sheet draws standalone windows: no application around them.
RecordingSkinHost host;

constexpr int scale = 2;
constexpr int margin = 80;  // room for the labels on the left

struct Label {
    QPoint at;
    QString text;
};

class Sheet {
public:
    Sheet() {
        window.setCollapsedSize(margin + 700, 800);
        window.show();
    }

    void addButtons(int top) {
        // Function ids by column (9 "repeat1" has no picture), then the "on" pictures.
        const int functions[] = {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12};
        const std::pair<int, const char*> onPictures[] = {{1, "103_pause.bmp"},
                                                          {5, "108_mute_1.bmp"},
                                                          {6, "110_expand_1.bmp"},
                                                          {7, "112_shuffle_1.bmp"},
                                                          {8, "114_repeat_1.bmp"}};
        int y = top;
        for (int sizeClass = 0; sizeClass < 3; ++sizeClass) {
            const int unit = 10 * (sizeClass + 1);
            const int pitch = unit + 6;
            labels.push_back({QPoint(4, y), QString("buttons %1").arg(sizeClass)});
            for (int look = 0; look < 3; ++look) {
                int column = 0;
                for (int function : functions) {
                    place(makeButton(function, sizeClass, look, {}), column++, pitch, y, look);
                }
                for (const auto& [function, picture] : onPictures) {
                    place(makeButton(function, sizeClass, look, picture), column++, pitch, y, look);
                }
            }
            y += 3 * pitch + 10;
        }
        nextTop = y;
    }

    void addSliders(int top) {
        int y = top;
        for (int sizeClass = 0; sizeClass < 3; ++sizeClass) {
            labels.push_back({QPoint(4, y), QString("sliders %1").arg(sizeClass)});
            const int unit = 10 * (sizeClass + 1);
            int x = margin;
            for (int function : {1, 2}) {
                for (bool filled : {true, false}) {
                    SliderFunction* slider = makeSlider(function, sizeClass, filled, false, 120);
                    slider->setPosition(x, y);
                    x += 130;
                }
            }
            x = margin + 4 * 130;
            for (bool filled : {true, false}) {
                SliderFunction* slider = makeSlider(1, sizeClass, filled, true, 90);
                slider->setPosition(x, y);
                x += unit + 10;
            }
            y += 100;
        }
        nextTop = y;
    }

    void addInfoAndList(int top) {
        labels.push_back({QPoint(4, top), "info"});
        auto* idle = add(std::make_unique<Info>(&window));
        idle->setSize(285, 20);
        idle->setPosition(margin, top);
        auto* playing = add(std::make_unique<Info>(&window));
        playing->setSize(285, 20);
        playing->setPosition(margin + 300, top);
        playing->setText("A song title that is far too long to fit - And Its Artist");
        window.grab();  // measures the text
        for (int i = 0; i < 40; ++i) {
            playing->scrollStep();
        }

        labels.push_back({QPoint(4, top + 30), "listbox"});
        std::vector<SongInfo> songs;
        for (int i = 1; i <= 20; ++i) {
            songs.push_back({QString("/music/%1.mp3").arg(i), QString("Artist %1").arg(i),
                             QString("Song number %1").arg(i)});
        }
        PlayList::instance().addSongs(songs);
        auto* list = add(std::make_unique<ListBox>(&window));
        list->setSize(275, 155);
        list->setPosition(margin, top + 30);
    }

    QImage render() {
        QApplication::processEvents();
        const QImage shot = window.grab().toImage();
        QImage big =
            shot.scaled(shot.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QPainter painter(&big);
        painter.setPen(Qt::white);
        QFont font = painter.font();
        font.setPixelSize(18);
        painter.setFont(font);
        for (const Label& label : labels) {
            painter.drawText(label.at * scale + QPoint(0, 20), label.text);
        }
        return big;
    }

    int nextTop = 0;

private:
    template <typename T>
    T* add(std::unique_ptr<T> element) {
        T* raw = element.get();
        raw->show();
        elements.push_back(std::move(element));
        return raw;
    }

    ButtonFunction* makeButton(int function, int sizeClass, int look, const QString& picture) {
        auto* button = add(std::make_unique<ButtonFunction>(&window, function));
        button->setSizeClass(sizeClass);
        if (!picture.isEmpty()) {
            button->setPicture(picture);
        }
        if (look >= 1) {
            button->onMouseMove(Qt::NoModifier, QPoint(1, 1));
        }
        if (look == 2) {
            button->onLeftButtonDown(Qt::NoModifier);
        }
        return button;
    }

    SliderFunction* makeSlider(int function, int sizeClass, bool filled, bool vertical,
                               int length) {
        auto* slider = add(std::make_unique<SliderFunction>(&window, function));
        slider->setSize(length, 10);
        slider->setVertical(vertical);
        slider->setSizeClass(sizeClass);
        slider->setFilled(filled);
        slider->setMaximum(100);
        slider->setValue(60);
        return slider;
    }

    void place(Element* element, int column, int pitch, int top, int look) {
        element->setPosition(margin + column * pitch, top + look * pitch);
    }

    MainWindow window{host, host.context};
    std::vector<std::unique_ptr<Element>> elements;
    std::vector<Label> labels;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: elementsheet <output.png>\n");
        return 2;
    }
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir dataFolder;
    QApplication app(argc, argv);
    host.setDataFolder(dataFolder.path());
    Sound::createInstance(std::make_unique<NullOutput>());

    QImage sheet;
    {
        Sheet builder;
        builder.addButtons(10);
        builder.addSliders(builder.nextTop + 10);
        builder.addInfoAndList(builder.nextTop + 10);
        sheet = builder.render();
    }
    Sound::deleteInstance();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
