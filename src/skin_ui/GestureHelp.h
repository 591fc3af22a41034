#pragma once

#include "common/Prompts.h"

class QWidget;

// What a new user needs to find the skin windows' gestures: a skin window has no title bar and
// no menu without a modifier.
namespace GestureHelp {

// The two gestures needed first, shown once over the first skin window at the first start.
QString firstStartHint();
// Shows the hint as a tooltip over the window for a while.
void showFirstStartHint(QWidget* window);

// The box of the skin menu's "Skin editing help…": every gesture of a skin window.
PromptMessage helpBox(PromptOwner owner);

}  // namespace GestureHelp
