#include "skin_ui/controls/WinTextBox.h"

#include <QKeyEvent>

#include "skin_ui/controls/ControlFont.h"

namespace {

constexpr QChar backspace(8);
constexpr QChar deleteCharacter(127);

// Keys that type no character (arrows, Home, End) are never filtered.
bool typesCharacter(const QKeyEvent* event) {
    return !event->text().isEmpty() && event->key() != Qt::Key_Escape;
}

bool allowedInNumbers(const QKeyEvent* event) {
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        return true;
    }
    const QString typed = event->text();
    if (typed.size() != 1) {
        return false;
    }
    const QChar c = typed.front();
    return (c >= QChar('0') && c <= QChar('9')) || c == backspace || c == deleteCharacter;
}

}  // namespace

WinTextBox::WinTextBox(QWidget* parent, const QString& initialText)
    : QLineEdit(initialText, parent) {
    setGeometry(0, 0, 0, 0);
    setAlignment(Qt::AlignCenter);
    setFrame(true);
    ControlFont::apply(this);
    colours.set(this, colours.getBackground(), colours.getText());
}

bool WinTextBox::event(QEvent* event) {
    // Tab would move the focus before keyPressEvent sees it.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            return true;
        }
    }
    return QLineEdit::event(event);
}

void WinTextBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Reported, and kept from the window's default button.
            event->accept();
            report();
            return;
        case Qt::Key_Escape:
            event->accept();
            if (parentWidget()) {
                parentWidget()->setFocus();
            }
            return;
        default:
            break;
    }
    if (!numbersOnly || !typesCharacter(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (!allowedInNumbers(event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
    report();
}
