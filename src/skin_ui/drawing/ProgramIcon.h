#pragma once

#include <QIcon>

// The program's icon, built in at every size the generator draws it.
namespace ProgramIcon {

QIcon icon();

}  // namespace ProgramIcon
