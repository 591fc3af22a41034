#include "ResourceTable.h"

#include <QDir>
#include <QHash>

namespace {

const QString doubleSizeSuffix = "@2x.bmp";

// Built once from the embedded "default/<class>/<number>_<name>.bmp" files, or from their
// "<number>_<name>@2x.bmp" twins.
QHash<int, QString> buildTable(bool doubleSize) {
    QHash<int, QString> table;
    if (!doubleSize) {
        table.insert(ResourceTable::defaultWindowFileId, ":/default_window.sfw");
    }
    for (int sizeClass = 0; sizeClass <= 2; ++sizeClass) {
        const QString folder = QString(":/default/%1").arg(sizeClass);
        // Filtered by hand: a name filter would compile a regular expression at every start.
        for (const QString& name : QDir(folder).entryList(QDir::Files)) {
            if (!name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)) {
                continue;
            }
            bool isNumber = false;
            const int number = name.left(3).toInt(&isNumber);
            if (isNumber && name.endsWith(doubleSizeSuffix) == doubleSize) {
                table.insert(sizeClass * 1000 + number, folder + "/" + name);
            }
        }
    }
    return table;
}

}  // namespace

QString ResourceTable::pathOf(int id) {
    static const QHash<int, QString> table = buildTable(false);
    return table.value(id);
}

QString ResourceTable::doubleSizePathOf(int id) {
    static const QHash<int, QString> table = buildTable(true);
    return table.value(id);
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
