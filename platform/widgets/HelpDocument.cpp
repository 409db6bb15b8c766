#include "platform/widgets/HelpDocument.h"

#include <QRegularExpression>

namespace kvx {

namespace {

const QRegularExpression& ContextAnchor() {
    static const QRegularExpression anchor(
        QStringLiteral(R"(<a\s+(?:name|id)\s*=\s*["']?(\d+)["']?[^>]*>)"),
        QRegularExpression::CaseInsensitiveOption);
    return anchor;
}

struct TAnchor {
    int Context;
    qsizetype Start;
};

QList<TAnchor> Anchors(const QString& document) {
    QList<TAnchor> anchors;
    auto matches = ContextAnchor().globalMatch(document);
    while (matches.hasNext()) {
        const auto match = matches.next();
        bool isNumber = false;
        const int context = match.captured(1).toInt(&isNumber);
        if (isNumber) {
            anchors.append({context, match.capturedStart()});
        }
    }
    return anchors;
}

} // namespace

std::optional<QString> HelpSectionHtml(const QString& document, int context) {
    const QList<TAnchor> anchors = Anchors(document);
    for (qsizetype i = 0; i < anchors.size(); ++i) {
        if (anchors[i].Context != context) {
            continue;
        }
        static const QRegularExpression bodyStart(QStringLiteral("<body[^>]*>"),
                                                  QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression bodyEnd(QStringLiteral("</body\\s*>"),
                                                QRegularExpression::CaseInsensitiveOption);
        const auto startMatch = bodyStart.match(document);
        const QString head = startMatch.hasMatch() && startMatch.capturedStart() < anchors[i].Start
                                 ? document.left(startMatch.capturedEnd())
                                 : QStringLiteral("<html><body>");
        qsizetype end = i + 1 < anchors.size() ? anchors[i + 1].Start : document.size();
        const auto endMatch = bodyEnd.match(document, anchors[i].Start);
        if (endMatch.hasMatch() && endMatch.capturedStart() < end) {
            end = endMatch.capturedStart();
        }
        return head + document.mid(anchors[i].Start, end - anchors[i].Start) +
               QStringLiteral("</body></html>");
    }
    return std::nullopt;
}

QList<int> HelpContexts(const QString& document) {
    QList<int> contexts;
    for (const TAnchor& anchor : Anchors(document)) {
        contexts.append(anchor.Context);
    }
    return contexts;
}

} // namespace kvx
