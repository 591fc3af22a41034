#pragma once

#include <QString>
#include <QStringList>

// The program's built-in files by number: the size class digit followed by the three-digit
// number that starts a picture's name (102 = small play picture, 2105 = large prev picture),
// and 15 for the default skin window file.
namespace ResourceTable {

constexpr int defaultWindowFileId = 15;

// The names of the 22 built-in pictures of every size class, in the order of the picture
// table: "100_close.bmp" to "117_savefile.bmp", then the slider, info and list box pictures.
const QStringList& pictureNames();

// The Qt resource path holding the file with that id, or an empty string when there is none.
QString pathOf(int id);
// The same picture drawn at twice the resolution for high-density screens ("<name>@2x.bmp"),
// or an empty string when there is none.
QString doubleSizePathOf(int id);

}  // namespace ResourceTable
