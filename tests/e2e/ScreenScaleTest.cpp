#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>
#include <utility>

#include "PlayerProcess.h"
#include "XServer.h"
#include "support/Waiting.h"

namespace {

// What the screen must show once the window has painted.
using Ready = std::function<bool(const QImage&)>;

// Starts the player at the scale factor, waits for the default window at its full size on the
// screen and painted (ready, and two grabs in a row the same), returns what the screen shows
// of it and closes the player.
QImage screenshotAt(XServer& x, PlayerProcess& player, const QString& factor, int wholeFactor,
                    const Ready& ready) {
    x.xdotool({"mousemove", "1020", "760"});  // off the window: no hover frame, no tooltip
    player.setVariable("QT_SCALE_FACTOR", factor);
    player.start();
    const Window window = x.waitForWindow("Vesk Player");
    const QRect area(0, 0, 285 * wholeFactor, 210 * wholeFactor);  // the default window
    EXPECT_TRUE(window && x.waitForGeometry(window, area)) << "at factor " << factor.toStdString();
    QImage shown, previous;
    EXPECT_TRUE(waitFor(
        [&] {
            previous = std::exchange(shown, x.grab(area));
            return shown == previous && ready(shown);
        },
        15000));
    x.sendDeleteWindow(window);
    EXPECT_TRUE(player.waitForExit(20000));
    return shown;
}

// The first frame of a built-in button picture, as the default window shows it.
QImage builtInFrame(const QString& file, int side) {
    return QImage(QString(VESK_SOURCE_DIR "/resources/default/") + file)
        .copy(0, 0, side, side)
        .convertToFormat(QImage::Format_RGB32);
}

QImage inBlocks(const QImage& picture, int factor) {
    return picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

// At a whole factor of 2 the built-in pictures drawn at twice the resolution are shown pixel
// for pixel; at 1 the plain pictures. A skin's own picture without such a twin is shown in 2 x 2
// blocks; and at 1.5 the window is drawn exactly as at 2 (no stretched pixels, no seams).
TEST(ScreenScale, WholeFactorsShowTheSharpPicturesOthersInBlocksFractionalOnesTheNearestWhole) {
    XServer x;
    ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
    PlayerProcess player(x.displayName());
    // The close button (class 0 at 0,0) and the play button (class 1 at 15,0).
    const Ready plainPictures = [](const QImage& shown) {
        return shown.copy(0, 0, 10, 10) == builtInFrame("0/100_close.bmp", 10) &&
               shown.copy(15, 0, 20, 20) == builtInFrame("1/102_play.bmp", 20);
    };
    const auto sharpPlay = [](const QImage& shown) {
        return shown.copy(30, 0, 40, 40) == builtInFrame("1/102_play@2x.bmp", 40);
    };
    const Ready sharpPictures = [&](const QImage& shown) {
        return shown.copy(0, 0, 20, 20) == builtInFrame("0/100_close@2x.bmp", 20) &&
               sharpPlay(shown);
    };
    const QImage plain = screenshotAt(x, player, "1", 1, plainPictures);
    QImage sharp = screenshotAt(x, player, "2", 2, sharpPictures);
    ASSERT_FALSE(plain.isNull() || sharp.isNull());
    EXPECT_TRUE(plainPictures(plain)) << "the plain pictures at factor 1";
    EXPECT_TRUE(sharpPictures(sharp)) << "the pictures drawn at twice the resolution at factor 2";
    EXPECT_NE(sharp.copy(30, 0, 40, 40), inBlocks(builtInFrame("1/102_play.bmp", 20), 2));
    QImage mine(30, 10, QImage::Format_RGB32);
    mine.fill(qRgb(0, 0, 250));
    QPainter(&mine).fillRect(mine.rect(), QBrush(qRgb(250, 250, 0), Qt::Dense4Pattern));
    const QString close = player.dataFolder() + "/skins/default/0/100_close.bmp";
    ASSERT_TRUE(QFile::remove(close));
    ASSERT_TRUE(mine.save(close));
    const Ready mineInBlocks = [&](const QImage& shown) {
        return shown.copy(0, 0, 20, 20) == inBlocks(mine.copy(0, 0, 10, 10), 2) && sharpPlay(shown);
    };
    QImage fractional = screenshotAt(x, player, "1.5", 2, mineInBlocks);
    ASSERT_FALSE(fractional.isNull());
    EXPECT_TRUE(mineInBlocks(fractional)) << "the skin's own picture in 2 x 2 blocks";
    // The close button aside, pixel for pixel the window at factor 2.
    for (QImage* shot : {&sharp, &fractional}) {
        QPainter(shot).fillRect(0, 0, 20, 20, Qt::black);
    }
    EXPECT_TRUE(fractional == sharp) << "1.5 is drawn at the whole factor 2";
}
