#include "ResourceTable.h"

#include <QDir>
#include <QHash>

namespace {

// Built once from the embedded "default/<class>/<number>_<name>.bmp" files.
QHash<int, QString> buildTable() {
    QHash<int, QString> table;
    table.insert(ResourceTable::defaultWindowFileId, ":/default_window.sfw");
    for (int sizeClass = 0; sizeClass <= 2; ++sizeClass) {
        const QString folder = QString(":/default/%1").arg(sizeClass);
        for (const QString& name : QDir(folder).entryList({"*.bmp"}, QDir::Files)) {
            bool isNumber = false;
            const int number = name.left(3).toInt(&isNumber);
            if (isNumber) {
                table.insert(sizeClass * 1000 + number, folder + "/" + name);
            }
        }
    }
    return table;
}

}  // namespace

QString ResourceTable::pathOf(int id) {
    static const QHash<int, QString> table = buildTable();
    return table.value(id);
}
