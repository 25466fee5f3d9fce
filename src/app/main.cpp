// The desktop program: start-up in the order the program needs (the model catalogue, the
// user's number and date formats, the GPIB cards, the main window with its message dialog),
// then the event loop; the cards go after the main window.
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QStringList>

#include "analyzers/Vna.h"
#include "bus/GpibCardUnit.h"
#include "ui/components/UserLocale.h"
#include "ui/main/MainForm.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QApplication::setOrganizationName(QStringLiteral("Brightmoor"));
    QApplication::setApplicationVersion(QStringLiteral(TESSALY_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tessaly"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/tessaly.svg")));

    Vnas();
    InstallUserLocaleFormat(QLocale());
    // Each card binds its vendor library now; a missing library leaves its card unusable.
    CreateGpibCards();

    int status = 0;
    {
        // Every argument is a kit file to open.
        TMainForm mainForm(QApplication::arguments().mid(1));
        mainForm.show();
        status = QApplication::exec();
    }
    FreeGpibCards();
    return status;
}
