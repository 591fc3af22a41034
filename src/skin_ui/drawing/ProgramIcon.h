#pragma once

#include <QIcon>

// The program's icon, built in at every size the generator draws it; each size is decoded when
// asked for.
namespace ProgramIcon {

QIcon icon();
// The smallest size alone, cheap to decode and to hand to the window system: what the windows
// carry until their first frame is painted, when icon() takes its place.
QIcon smallest();

}  // namespace ProgramIcon
