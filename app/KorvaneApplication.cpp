#include "app/KorvaneApplication.h"

#include "app/HomePage.h"
#include "platform/widgets/DialogService.h"

#include <exception>

namespace kvx {

namespace {

void ReportInternalError(const QString& detail) {
    Dialogs().Message(QApplication::activeWindow(), TMsgKind::Error, InternalErrorMessage(detail),
                      TMsgButtons::Ok);
}

} // namespace

QString InternalErrorMessage(const QString& detail) {
    // The line break is LF followed by CR, in that order.
    return QStringLiteral("Interner Programmfehler! Bitte versuchen Sie die aktuelle Datei zu "
                          "speichern und starten Sie das Programm anschließend neu! Bitte "
                          "schreiben sie eine eMail mit der Fehlermeldung an ") +
           QString::fromLatin1(SupportEmailAddress) + QStringLiteral("\n\rGenauer Fehler: ") +
           detail;
}

bool DeliverReportingErrors(const std::function<bool()>& deliver) {
    try {
        return deliver();
    } catch (const std::exception& error) {
        ReportInternalError(QString::fromUtf8(error.what()));
    } catch (...) {
        ReportInternalError(QStringLiteral("Unbekannter Fehler"));
    }
    return false;
}

TKorvaneApplication::TKorvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TKorvaneApplication::notify(QObject* receiver, QEvent* event) {
    return DeliverReportingErrors([&] { return QApplication::notify(receiver, event); });
}

} // namespace kvx
