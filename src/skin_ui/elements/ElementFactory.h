#pragma once

#include "skins/SkinWindowFile.h"

class CallerPtr;
class Element;
class MainWindow;

// The one place elements are built: from a window file record (loading a window, adding an
// element, a type change, undoing an edit) and back into a record (saving, an edit's history),
// and where a record is given back to an element that stays.
namespace ElementFactory {

using Record = SkinWindowFile::ElementRecord;

// The record of an element new to the window at the client point, as "Add element" (a
// play/pause button) and a type change to `type` make it.
Record newRecord(int type, int x, int y, bool moveable);

// Builds the record's element in the window, shown. Buttons and sliders report to the receiver;
// a volume slider shows the player's volume. Null for a type no element has.
Element* create(MainWindow* window, const Record& record, CallerPtr* receiver);

Record recordOf(const Element& element);

// Gives an element of the record's type the record's settings in place (an edit taken back or
// done again that kept the element): function, orientation, fill, size class, size, place and
// lock. A slider's knob keeps its value. False, changing nothing, for another type.
bool apply(Element& element, const Record& record);

}  // namespace ElementFactory
