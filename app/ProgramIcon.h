#pragma once
// The program's own picture (an image with a dotted rectangle and circle on it), for the
// info dialog and as the windows' icon.

#include <QIcon>
#include <QPixmap>

namespace kvx {

// The picture at the given edge length, smoothly scaled from the built-in original.
QPixmap ProgramPicture(int size);
QIcon ProgramIcon();

} // namespace kvx
