#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

// A small always-on-top popup that shows a short text beside the cursor while the cursor rests
// on an element. It never takes the keyboard focus and lets the mouse through.
class Tooltip : public QWidget {
    Q_OBJECT

public:
    explicit Tooltip(const QString& text);
    ~Tooltip() override;

    // Lays the popup out at the current cursor position and shows it without activating it.
    void show();
    void hide();

    void setText(const QString& newText) { text = newText; }
    QString getText() const { return text; }

    // Where the popup goes for a cursor (screen coordinates), a text extent and a screen size:
    // beside the cursor, pushed up at the bottom edge, above the cursor at the right edge.
    static QRect placement(QPoint cursor, QSize textExtent, QSize screen);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void layout();

    QString text;
};
