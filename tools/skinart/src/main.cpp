// Draws the built-in default skin: every picture of the three size classes as an 8-bit BMP
// under resources/default/<class>/, once at 1x and once at twice the resolution ("@2x"), a contact
// sheet of the set under docs/, and the program icon under resources/icons/.

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

    // Writes "<number>_<name>.bmp" at 1x, or "<number>_<name>@2x.bmp" at scale 2.
    bool write(int sizeClass, int scale, const QString& name, const QImage& picture) {
        const QString folder = QString("resources/default/%1").arg(sizeClass);
        if (!root_.mkpath(folder)) {
            return fail("cannot create " + root_.filePath(folder));
        }
        const QString fileName =
            scale == 1 ? name : QString(name).replace(".bmp", QString("@%1x.bmp").arg(scale));
        const QString path = root_.filePath(folder + "/" + fileName);
        if (!writer_.write(picture, path)) {
            return fail("cannot write " + path);
        }
        const QImage written(path);
        if (scale != 1) {
            sheet2x_.add(sizeClass, name, written);
            return true;
        }
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
        const QString path2x = root_.filePath("docs/default-skin-sheet@2x.png");
        return (sheet_.render().save(path, "PNG") || fail("cannot write " + path)) &&
               (sheet2x_.render().save(path2x, "PNG") || fail("cannot write " + path2x));
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
    ContactSheet sheet_{"1x and 4x", 4};
    ContactSheet sheet2x_{"2x pictures at 1x and 2x", 2};
    UsePreview::Pictures inUse_;
};

bool drawAll(PictureSet& set) {
    for (int scale : {1, 2}) {
        for (int sizeClass = 0; sizeClass < 3; ++sizeClass) {
            for (const ButtonArt::Picture& button : ButtonArt::pictures()) {
                if (!set.write(sizeClass, scale, button.fileName,
                               ButtonArt::draw(sizeClass, scale, button.glyph, button.on))) {
                    return false;
                }
            }
            if (!set.write(sizeClass, scale, "200_progress.bmp",
                           TrackArt::slider(sizeClass, scale, SkinColours::progressFill)) ||
                !set.write(sizeClass, scale, "201_volume.bmp",
                           TrackArt::slider(sizeClass, scale, SkinColours::volumeFill)) ||
                !set.write(sizeClass, scale, "300_info.bmp", TrackArt::info(scale)) ||
                !set.write(sizeClass, scale, "400_listbox.bmp", TrackArt::listBox(scale))) {
                return false;
            }
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
