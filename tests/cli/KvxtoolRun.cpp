#include "KvxtoolRun.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace kvx::test {

TKvxtoolRun RunKvxtool(const QStringList& arguments, const QString& workingDirectory,
                       const QString& outputFile) {
    QProcess process;
    if (!workingDirectory.isEmpty()) {
        process.setWorkingDirectory(workingDirectory);
    }
    if (!outputFile.isEmpty()) {
        process.setStandardOutputFile(outputFile);
    }
    process.start(KVX_BIN_DIR "/kvxtool", arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        ADD_FAILURE() << "kvxtool did not finish: " << arguments.join(' ').toStdString();
        return {};
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace kvx::test
