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
        for (const QString& name : QDir(folder).entryList({"*.bmp"}, QDir::Files)) {
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
