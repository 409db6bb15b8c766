#pragma once
// The pictures of the main window: the desktop theme's icon where the theme has one for the
// meaning, else the program's own drawing from the resources (":/editor/<name>.svg").

#include <QIcon>
#include <QString>

namespace kvx {

// name is the resource's base name ("new", "rectangle", "tree-map", ...). Names that stand for
// a common command ("new", "open", "save", "copy", "paste", "zoom", "delete") try the theme first.
QIcon EditorIcon(const QString& name);

} // namespace kvx
