#include "platform/widgets/DialogService.h"

#include "platform/widgets/QtDialogService.h"

#include <QStringList>
#include <utility>

namespace kvx {

namespace {

std::unique_ptr<TDialogService>& InstalledService() {
    static std::unique_ptr<TDialogService> service;
    return service;
}

// "*.Gif" as "*.[gG][iI][fF]": a pattern that matches every spelling of its letters.
QString AnyCasePattern(const QString& pattern) {
    QString anyCase;
    for (const QChar c : pattern) {
        if (c.toLower() != c.toUpper()) {
            anyCase += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        } else {
            anyCase += c;
        }
    }
    return anyCase;
}

// Qt lists only what its patterns match exactly on Linux, while the program's filters were
// written for a file system that ignores case: "*.GIF" must still list "bild.gif" and
// "Karte.Gif". The plain lower-case pattern comes first, as Qt's save dialog takes its
// extension from the first pattern.
QStringList CaseVariants(const QString& pattern) {
    // "*.*" means every file; on Linux it would hide files without an extension.
    if (pattern == QLatin1String("*.*")) {
        return {QStringLiteral("*")};
    }
    QStringList variants;
    for (const QString& variant : {pattern.toLower(), pattern.toUpper(), AnyCasePattern(pattern)}) {
        if (!variants.contains(variant)) {
            variants.append(variant);
        }
    }
    return variants;
}

} // namespace

TDialogService& Dialogs() {
    auto& service = InstalledService();
    if (!service) {
        service = std::make_unique<TQtDialogService>();
    }
    return *service;
}

std::unique_ptr<TDialogService> InstallDialogService(std::unique_ptr<TDialogService> service) {
    return std::exchange(InstalledService(), std::move(service));
}

QString ToQtFilter(const QString& programFilter) {
    const QStringList parts = programFilter.split(QLatin1Char('|'));
    QStringList qtFilters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            for (const QString& variant : CaseVariants(pattern.trimmed())) {
                if (!variant.isEmpty() && !patterns.contains(variant)) {
                    patterns.append(variant);
                }
            }
        }
        if (patterns.isEmpty()) {
            patterns.append(QStringLiteral("*"));
        }
        qtFilters.append(description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                         QLatin1Char(')'));
    }
    return qtFilters.join(QStringLiteral(";;"));
}

} // namespace kvx
