// Any bytes saved as a skin picture and loaded as the elements load theirs: no crash, no hang,
// and a picture either loads with a size or is reported and draws nothing.
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "InputFile.h"
#include "common/DebugLog.h"
#include "skin_ui/drawing/Bitmap.h"

namespace {

// Far beyond any skin picture (the largest default one is a few thousand pixels).
constexpr int64_t maxPixels = 2048 * 2048;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int argc = 1;
    static const bool quiet = (DebugLog::setSink([](std::string_view) {}), true);
    static char name[] = "fuzz_skin_bitmap";
    static char* argv[] = {name, nullptr};
    static const bool platformChosen = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);  // pictures become pixmaps
    (void)platformChosen;
    (void)quiet;

    const QString path = inputFile(data, size, "100_close.bmp");
    if (path.isEmpty()) {
        return 0;
    }

    // A header may claim millions of rows; loading such a picture takes seconds and hundreds
    // of megabytes whatever is done with it, which would end the run as a time-out each time.
    const QSize claimed = QImageReader(path).size();
    // A top-down picture gives its height as a negative number.
    if (std::abs(static_cast<int64_t>(claimed.width()) * claimed.height()) > maxPixels) {
        return 0;
    }
    Bitmap bitmap(path);
    if (!bitmap.isLoaded()) {
        if (bitmap.width() != 0 || bitmap.height() != 0) {
            std::abort();
        }
        return 0;
    }
    if (bitmap.width() <= 0 || bitmap.height() <= 0) {
        std::abort();
    }
    bitmap.setTransparentColour(bitmap.pixel(0, 0));
    bitmap.pixel(bitmap.width() - 1, bitmap.height() - 1);
    bitmap.pixel(-1, bitmap.height());
    QImage canvas(16, 16, QImage::Format_ARGB32);
    QPainter painter(&canvas);
    bitmap.draw(painter, 0);
    bitmap.drawPart(painter, 0, 0, QRect(2, 2, 8, 8));
    return 0;
}
