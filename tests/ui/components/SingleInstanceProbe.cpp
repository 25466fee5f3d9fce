// A small program that guards itself with the single-instance guard, for tests that start two
// real processes. Usage: tessaly_instance_probe KEY [FILE...]
// A first instance prints "first" and then, one a line, "raise" and "file:NAME" for what later
// starts hand over; it ends after 60 seconds or when killed. A later start prints
// "handed-over" and ends at once with status 0.
#include "ui/components/SingleInstance.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

namespace {

void Say(const QString& line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: tessaly_instance_probe KEY [FILE...]\n");
        return 2;
    }
    arguments.removeFirst();
    TSingleInstance guard(arguments.takeFirst());
    if (guard.Start(arguments) == TInstanceRole::irHandedOver) {
        Say(QStringLiteral("handed-over"));
        return 0;
    }
    QObject::connect(&guard, &TSingleInstance::RaiseRequested, [] { Say(QStringLiteral("raise")); });
    QObject::connect(&guard, &TSingleInstance::FilesReceived, [](const QStringList& names) {
        for (const QString& name : names)
            Say(QStringLiteral("file:") + name);
    });
    Say(QStringLiteral("first"));
    QTimer::singleShot(60000, &application, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
