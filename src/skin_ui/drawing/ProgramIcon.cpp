#include "skin_ui/drawing/ProgramIcon.h"

namespace {

constexpr int sizes[] = {16, 32, 48, 64, 128, 256};

void addSize(QIcon& icon, int size) {
    icon.addFile(QString(":/icons/veskplayer-%1.png").arg(size), QSize(size, size));
}

}  // namespace

QIcon ProgramIcon::icon() {
    QIcon result;
    for (int size : sizes) {
        addSize(result, size);
    }
    return result;
}

QIcon ProgramIcon::smallest() {
    QIcon result;
    addSize(result, sizes[0]);
    return result;
}
