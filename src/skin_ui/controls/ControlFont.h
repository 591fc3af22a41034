#pragma once

#include <QFont>
#include <QWidget>

// Every control wrapper shows its text in bold 16-pixel Arial.
namespace ControlFont {

inline void apply(QWidget* control) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    control->setFont(font);
    control->update();
}

}  // namespace ControlFont
