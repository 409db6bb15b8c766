#pragma once
// Runs the built kvxtool as a separate process, as a shell script would.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kvx::test {

struct TKvxtoolRun {
    int ExitCode = -1;
    QByteArray Output;
    QByteArray Errors;
};

// Runs kvxtool with arguments in workingDirectory (the test's own when empty), its standard
// output sent to outputFile when one is given; a run that does not end within a minute fails
// the test and gives ExitCode -1.
TKvxtoolRun RunKvxtool(const QStringList& arguments, const QString& workingDirectory = {},
                       const QString& outputFile = {});

} // namespace kvx::test
