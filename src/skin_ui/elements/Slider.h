#pragma once

#include "skin_ui/controls/Callable.h"
#include "skin_ui/elements/Element.h"

// A track with a knob, horizontal or vertical, optionally filled from the start of the track to
// the knob. The user clicks or drags the knob and every change is reported to the receiver; the
// program moves it with setValue. Shift-dragging an end changes the length, with playback paused
// meanwhile.
class Slider : public Element, public Callable {
    Q_OBJECT

public:
    static constexpr int minimumLength = 30;

    explicit Slider(MainWindow* owner, int sizeClass = startSizeClass);

    void paint(QPainter& painter) override;
    bool onLeftButtonDown(Qt::KeyboardModifiers modifiers) override;
    bool onLeftButtonUp() override;
    bool onMouseMove(Qt::KeyboardModifiers modifiers, QPoint client) override;
    void onMouseLeave() override;

    // The knob position as a value 0..maximum (a click at the far end of the track can give a
    // little more, or below 0 on a vertical slider). A slider without travel or with maximum 0
    // reports 0.
    int getValue() const;
    // Puts the knob at the value; with notify the receiver is told as for a user change.
    void setValue(int value, bool notify = false);

    void setMaximum(int value) { maximum = value; }
    int getMaximum() const { return maximum; }

    // Swaps width and height in place when the orientation changes.
    void setVertical(bool value);
    bool isVertical() const { return vertical; }
    // Shows at the next paint.
    void setFilled(bool value) { filled = value; }
    bool isFilled() const { return filled; }

    // Only the length is taken: the thickness always follows the picture of the size class (the
    // given one serves while no picture is loaded).
    void setSize(int newWidth, int newHeight) override;

    // The long axis: width when horizontal, height when vertical.
    int getTrackLength() const { return vertical ? height() : width(); }
    int getThickness() const { return vertical ? width() : height(); }

    int getKnobPos() const { return knobPos; }
    int getKnobFrame() const { return knobFrame; }
    int getLengthEdge() const { return lengthEdge; }
    bool isLengthChanging() const { return lengthChanging; }

protected:
    QSize sizeForPicture(int pictureWidth, int pictureHeight) const override;

private:
    // The knob's travel along the track in pixels (length - thickness).
    int travel() const;
    void paintTrack(QPainter& painter) const;
    void paintFill(QPainter& painter) const;
    void changeLength(QPoint ownerCursor);
    void armLengthEdge(QPoint client);
    void setKnobFrame(int frame);

    bool vertical = false;
    bool filled = true;
    int knobPos = 5;
    int maximum = 100;
    int knobFrame = 0;
    int lengthEdge = 0;
    int savedValue = 0;
    bool lengthChanging = false;
    int lengthStartPos = 0;
    int lengthStartSize = 0;
};
