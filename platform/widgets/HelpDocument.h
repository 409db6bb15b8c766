#pragma once
// The help file is one HTML document; each help context is the part of it that begins at
// the anchor named by the context number (<a name="131"></a>) and runs to the next such
// anchor or to the end of the body. Links "#132" inside it lead to other contexts.

#include <QList>
#include <QString>
#include <optional>

namespace kvx {

// The section of a context as a page of its own: the document's head (styles, title) and
// body tag, the section, and the closing tags. std::nullopt when no anchor names it.
std::optional<QString> HelpSectionHtml(const QString& document, int context);

// The context numbers the document has sections for, in document order.
QList<int> HelpContexts(const QString& document);

} // namespace kvx
