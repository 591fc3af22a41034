#include "skin_ui/controls/WinUpDown.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

#include "common/TextNumbers.h"
#include "skin_ui/controls/ControlFont.h"

namespace {

int beeps = 0;

void beep() {
    ++beeps;
    QApplication::beep();
}

}  // namespace

WinUpDown::WinUpDown(QWidget* parent)
    : QWidget(parent), textBox(std::make_unique<WinTextBox>(parent)) {
    textBox->setReceiver(this);
    textBox->installEventFilter(this);
    setGeometry(0, 0, 0, 0);
    ControlFont::apply(this);
    setPosition(0);
}

WinUpDown::~WinUpDown() {
    textBox.reset();
}

int WinUpDown::beepCount() {
    return beeps;
}

void WinUpDown::setRange(int newLower, int newUpper) {
    lower = newLower;
    upper = newUpper;
}

void WinUpDown::setPosition(int value) {
    textBox->setText(
        QString::number(std::clamp(value, std::min(lower, upper), std::max(lower, upper))));
}

int WinUpDown::getPosition() const {
    return std::clamp(TextNumbers::toInt(textBox->getText()), std::min(lower, upper),
                      std::max(lower, upper));
}

void WinUpDown::enable(bool enabled) {
    setEnabled(enabled);
    textBox->setEnabled(enabled);
}

void WinUpDown::callback(Callable*) {
    const int typed = TextNumbers::toInt(textBox->getText());
    if (typed > upper) {
        textBox->setText(QString::number(upper));
        beep();
    }
    if (typed < lower) {
        textBox->setText(QString::number(lower));
        beep();
    }
    report();
}

void WinUpDown::step(int delta) {
    setPosition(getPosition() + delta);
}

void WinUpDown::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    const int half = height() / 2;
    option.rect = QRect(0, 0, width(), half);
    style()->drawPrimitive(QStyle::PE_PanelButtonTool, &option, &painter, this);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowUp, &option, &painter, this);
    option.rect = QRect(0, half, width(), height() - half);
    style()->drawPrimitive(QStyle::PE_PanelButtonTool, &option, &painter, this);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &painter, this);
}

void WinUpDown::mousePressEvent(QMouseEvent* event) {
    clicks.pressed(event);
    if (event->button() == Qt::LeftButton) {
        step(event->position().y() < height() / 2.0 ? 1 : -1);
    }
}

void WinUpDown::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void WinUpDown::mouseReleaseEvent(QMouseEvent* event) {
    if (clicks.released(this, event)) {
        report();
    }
}

bool WinUpDown::eventFilter(QObject* watched, QEvent* event) {
    // The arrow keys in the text box step the number as the arrows do.
    if (watched == textBox.get() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
