#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <optional>

#include "common/Colour.h"

class QPainter;
class QWidget;

// Drawing shared by the whole program. One instance,
// created on first use and never deleted.
class Engine {
public:
    static Engine& instance();
    virtual ~Engine() = default;

    void fillBackground(const QWidget* window, ColourRef colour, QPainter& painter) const;
    // Word-wrapped text inside (x, y, width, height) in the text colour, transparent background.
    void drawText(QPainter& painter, const QString& text, int x, int y, int width,
                  int height) const;
    // The rectangle's outline in the text colour: top, right, bottom, left.
    void drawFrame(QPainter& painter, int penWidth, const QRect& rect) const;
    // Bold underlined 32-pixel headings in the face (at most 31 characters); empty removes it.
    // The font is shared by everything the engine draws, so it is set only through FontScope.
    class FontScope {
    public:
        FontScope(Engine& engine, const QString& faceName);
        ~FontScope();
        FontScope(const FontScope&) = delete;
        FontScope& operator=(const FontScope&) = delete;

    private:
        Engine& engine;
        std::optional<QFont> previous;
    };
    bool invalidate(QWidget* window) const;

    ColourRef textColour = 0;

private:
    Engine() = default;
    void setFont(const QString& faceName);
    std::optional<QFont> font;
};
