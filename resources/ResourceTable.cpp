#include "ResourceTable.h"

#include <QFile>

namespace {

// "default/<class>/<number>_<name>.bmp" among the embedded files, or its "<number>_<name>@2x.bmp"
// twin; found from the picture names, as listing the embedded folders costs a start more.
QString picturePathOf(int id, bool doubleSize) {
    const int sizeClass = id / 1000;
    const QString number = QString::number(id % 1000);
    if (sizeClass > 2 || number.size() != 3) {
        return {};
    }
    for (const QString& name : ResourceTable::pictureNames()) {
        if (name.startsWith(number)) {
            const QString file = doubleSize ? name.chopped(4) + "@2x.bmp" : name;
            const QString path = QString(":/default/%1/%2").arg(sizeClass).arg(file);
            return QFile::exists(path) ? path : QString();
        }
    }
    return {};
}

}  // namespace

QString ResourceTable::pathOf(int id) {
    return id == defaultWindowFileId ? QStringLiteral(":/default_window.sfw")
                                     : picturePathOf(id, false);
}

QString ResourceTable::doubleSizePathOf(int id) {
    return picturePathOf(id, true);
}

const QStringList& ResourceTable::pictureNames() {
    static const QStringList names = {
        "100_close.bmp",     "101_options.bmp",  "102_play.bmp",     "103_pause.bmp",
        "104_stop.bmp",      "105_prev.bmp",     "106_next.bmp",     "107_mute_0.bmp",
        "108_mute_1.bmp",    "109_expand_0.bmp", "110_expand_1.bmp", "111_shuffle_0.bmp",
        "112_shuffle_1.bmp", "113_repeat_0.bmp", "114_repeat_1.bmp", "115_return.bmp",
        "116_openfile.bmp",  "117_savefile.bmp", "200_progress.bmp", "201_volume.bmp",
        "300_info.bmp",      "400_listbox.bmp"};
    return names;
}
