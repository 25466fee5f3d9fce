// Runs the built tessaly-kit as a user would and collects its exit status and output.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

struct TKitRun {
    int Status = -1; // -1 when the tool did not end normally within 30 seconds
    QByteArray Out;
    QByteArray Err;
};

inline TKitRun Kit(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TESSALY_KIT_PATH), arguments);
    TKitRun run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.Status = process.exitCode();
    run.Out = process.readAllStandardOutput();
    run.Err = process.readAllStandardError();
    return run;
}
