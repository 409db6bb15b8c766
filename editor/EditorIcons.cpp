#include "editor/EditorIcons.h"

#include <QHash>

// The pictures live in a static library: their registration must be referenced explicitly,
// or the linker drops it. Q_INIT_RESOURCE only works outside a namespace.
static void RegisterEditorResources() {
    Q_INIT_RESOURCE(editor);
}

namespace kvx {

namespace {

const QHash<QString, QString>& ThemeNames() {
    static const QHash<QString, QString> names = {
        {QStringLiteral("new"), QStringLiteral("document-new")},
        {QStringLiteral("open"), QStringLiteral("document-open")},
        {QStringLiteral("save"), QStringLiteral("document-save")},
        {QStringLiteral("copy"), QStringLiteral("edit-copy")},
        {QStringLiteral("paste"), QStringLiteral("edit-paste")},
        {QStringLiteral("zoom"), QStringLiteral("zoom-in")},
        {QStringLiteral("delete"), QStringLiteral("edit-delete")},
    };
    return names;
}

} // namespace

QIcon EditorIcon(const QString& name) {
    static const bool registered = (RegisterEditorResources(), true);
    Q_UNUSED(registered);
    const QIcon own(QStringLiteral(":/editor/%1.svg").arg(name));
    const auto theme = ThemeNames().constFind(name);
    if (theme == ThemeNames().constEnd()) {
        return own;
    }
    return QIcon::fromTheme(*theme, own);
}

} // namespace kvx
