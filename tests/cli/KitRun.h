// Runs the built tessaly-kit as a user would and collects its exit status and output.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <string>

struct TKitRun {
    int Status = -1; // -1 when the tool did not end normally within a minute
    std::string Out, Err;
};

inline QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

inline void StartKit(QProcess& process, const QStringList& arguments,
                     const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TESSALY_KIT_PATH), arguments);
    process.waitForStarted();
}

inline TKitRun FinishKit(QProcess& process)
{
    TKitRun run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        run = {process.exitCode(), process.readAllStandardOutput().toStdString(),
               process.readAllStandardError().toStdString()};
    return run;
}

inline TKitRun Kit(const QStringList& arguments,
                   const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    StartKit(process, arguments, environment);
    return FinishKit(process);
}
