#include "KvxtoolRun.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace kvx::test {

TKvxtoolRun RunKvxtool(const QStringList& arguments, const QString& workingDirectory) {
    QProcess process;
    if (!workingDirectory.isEmpty()) {
        process.setWorkingDirectory(workingDirectory);
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
