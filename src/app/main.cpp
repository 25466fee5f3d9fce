// The desktop program: start-up in the order the program needs (one running instance per user,
// the model catalogue, the user's number and date formats, the GPIB cards, the main window with
// its message dialog), then the event loop; the cards go after the main window.
#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QStringList>

#include "analyzers/Vna.h"
#include "bus/GpibCardUnit.h"
#include "kit/FileImage.h"
#include "ui/components/SingleInstance.h"
#include "ui/components/UserLocale.h"
#include "ui/main/ArrivingKitFiles.h"
#include "ui/main/MainForm.h"

namespace {

// Every argument is a kit file to open. Names are made absolute: a running instance that
// takes them over works in a folder of its own.
QStringList CommandLineFiles()
{
    QStringList files;
    for (const QString& argument : QApplication::arguments().mid(1))
        files.append(argument.isEmpty() ? argument : QFileInfo(argument).absoluteFilePath());
    return files;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    IgnoreFileSizeLimitSignal();
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QApplication::setOrganizationName(QStringLiteral("Brightmoor"));
    QApplication::setApplicationVersion(QStringLiteral(TESSALY_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tessaly"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/tessaly.svg")));

    // A later start hands its files to the running instance and ends without a window.
    const QStringList files = CommandLineFiles();
    TSingleInstance instance;
    if (instance.Start(files) == TInstanceRole::irHandedOver)
        return 0;

    Vnas();
    InstallUserLocaleFormat(QLocale());
    // Each card binds its vendor library now; a missing library leaves its card unusable.
    CreateGpibCards();

    int status = 0;
    {
        TMainForm mainForm(files);
        mainForm.ArrivingFiles().Follow(instance);
        mainForm.show();
        status = QApplication::exec();
    }
    FreeGpibCards();
    return status;
}
