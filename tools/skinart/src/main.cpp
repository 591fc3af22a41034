// Draws the built-in default skin: every picture of the three size classes as an 8-bit BMP
// under resources/default/<class>/, a contact sheet of the set under docs/, and the program
// icon under resources/icons/.

#include "ButtonArt.h"
#include "ContactSheet.h"
#include "IconArt.h"
#include "IndexedBitmapWriter.h"
#include "SkinColours.h"
#include "TrackArt.h"
#include "UsePreview.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <cstdio>

namespace {

class PictureSet {
public:
    explicit PictureSet(const QDir& root) : root_(root), writer_(SkinColours::palette()) {}

    bool write(int sizeClass, const QString& name, const QImage& picture) {
        const QString folder = QString("resources/default/%1").arg(sizeClass);
        if (!root_.mkpath(folder)) {
            return fail("cannot create " + root_.filePath(folder));
        }
        const QString path = root_.filePath(folder + "/" + name);
        if (!writer_.write(picture, path)) {
            return fail("cannot write " + path);
        }
        const QImage written(path);
        sheet_.add(sizeClass, name, written);
        if (name == "200_progress.bmp") {
            inUse_.progress[sizeClass] = written;
        } else if (name == "201_volume.bmp") {
            inUse_.volume[sizeClass] = written;
        } else if (name == "300_info.bmp") {
            inUse_.info = written;
        } else if (name == "400_listbox.bmp") {
            inUse_.listBox = written;
        }
        return true;
    }

    bool writeSheet() {
        if (!root_.mkpath("docs")) {
            return fail("cannot create " + root_.filePath("docs"));
        }
        sheet_.setInUse(UsePreview::draw(inUse_));
        const QString path = root_.filePath("docs/default-skin-sheet.png");
        return sheet_.render().save(path, "PNG") || fail("cannot write " + path);
    }

    bool writeIcons() {
        if (!root_.mkpath("resources/icons")) {
            return fail("cannot create " + root_.filePath("resources/icons"));
        }
        for (int size : IconArt::pixelSizes()) {
            const QString path =
                root_.filePath(QString("resources/icons/veskplayer-%1.png").arg(size));
            // Quality 0 asks for the strongest PNG compression.
            if (!IconArt::draw(size).save(path, "PNG", 0)) {
                return fail("cannot write " + path);
            }
        }
        QFile svg(root_.filePath("resources/icons/veskplayer.svg"));
        if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            svg.write(IconArt::svg().toUtf8()) < 0) {
            return fail("cannot write " + svg.fileName());
        }
        return true;
    }

private:
    static bool fail(const QString& message) {
        QTextStream(stderr) << "skinart: " << message << "\n";
        return false;
    }

    QDir root_;
    IndexedBitmapWriter writer_;
    ContactSheet sheet_;
    UsePreview::Pictures inUse_;
};

bool drawAll(PictureSet& set) {
    for (int sizeClass = 0; sizeClass < 3; ++sizeClass) {
        for (const ButtonArt::Picture& button : ButtonArt::pictures()) {
            if (!set.write(sizeClass, button.fileName,
                           ButtonArt::draw(sizeClass, button.glyph, button.on))) {
                return false;
            }
        }
        if (!set.write(sizeClass, "200_progress.bmp",
                       TrackArt::slider(sizeClass, SkinColours::progressFill)) ||
            !set.write(sizeClass, "201_volume.bmp",
                       TrackArt::slider(sizeClass, SkinColours::volumeFill)) ||
            !set.write(sizeClass, "300_info.bmp", TrackArt::info()) ||
            !set.write(sizeClass, "400_listbox.bmp", TrackArt::listBox())) {
            return false;
        }
    }
    return set.writeSheet() && set.writeIcons();
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: skinart <repository root>\n");
        return 2;
    }
    PictureSet set{QDir(QString::fromLocal8Bit(argv[1]))};
    return drawAll(set) ? 0 : 1;
}
