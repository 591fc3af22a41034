#include "skin_ui/drawing/ProgramIcon.h"

QIcon ProgramIcon::icon() {
    QIcon result;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        result.addFile(QString(":/icons/veskplayer-%1.png").arg(size), QSize(size, size));
    }
    return result;
}
