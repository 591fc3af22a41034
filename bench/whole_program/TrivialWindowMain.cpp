// The floor of the start figures: the least a Qt widgets program does to show a window. One
// frameless window of the default skin's size, title and background colour, painted with one
// fill, so the probe judges it exactly as it judges the player. Closed by the window manager's
// close message, as the player is.
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class TrivialWindow : public QWidget {
public:
    TrivialWindow() {
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setWindowTitle("Vesk Player");
        setGeometry(0, 0, 285, 210);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(62, 73, 67)); }
    // A tool window's close does not end Qt's event loop by itself.
    void closeEvent(QCloseEvent*) override { QCoreApplication::quit(); }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TrivialWindow window;
    window.show();
    return app.exec();
}
