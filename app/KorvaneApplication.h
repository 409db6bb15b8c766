#pragma once
// The application object with the internal-error handler: every exception that escapes an
// event handler is reported to the user, and the program runs on with its state as the
// failed command left it.

#include <QApplication>
#include <QString>
#include <functional>

namespace kvx {

// The internal-error message for an error's own text.
QString InternalErrorMessage(const QString& detail);

// Runs deliver and reports any exception that escapes it with the internal-error message
// (an error box with OK); returns deliver's result, or false after an error.
bool DeliverReportingErrors(const std::function<bool()>& deliver);

class TKorvaneApplication : public QApplication {
    Q_OBJECT
public:
    TKorvaneApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace kvx
