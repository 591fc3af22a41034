#pragma once

#include "skins/SkinWindowFile.h"

class CallerPtr;
class Element;
class MainWindow;

// The one place elements are built from a window file record (loading a window, adding an
// element, a type change, undoing an edit), and the one mapping from an element type to the
// class that shows it. Each class builds from, writes and takes back its own record
// (`Element::record`, `Element::applyRecord`).
namespace ElementFactory {

using Record = SkinWindowFile::ElementRecord;

// The record of an element new to the window at the client point, as "Add element" (a
// play/pause button) and a type change to `type` make it.
Record newRecord(ElementType type, int x, int y, bool moveable);

// Builds the record's element in the window, shown. Buttons and sliders report to the receiver.
// Null for a type no element has.
Element* create(MainWindow* window, const Record& record, CallerPtr* receiver);

}  // namespace ElementFactory
