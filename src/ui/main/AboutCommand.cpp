#include "ui/main/AboutCommand.h"

#include <QAction>

#include "ui/dialogs/About.h"
#include "ui/main/DebugMenu.h"

TAboutCommand::TAboutCommand(QWidget& mainWindow, QAction& helpAbout, TDebugMenu& debugMenu)
    : QObject(&mainWindow), FMainWindow(mainWindow), FDebugMenu(debugMenu)
{
    helpAbout.setEnabled(true);
    connect(&helpAbout, &QAction::triggered, this, &TAboutCommand::HelpAboutExecute);
}

int TAboutCommand::SplashMilliseconds()
{
    bool ok = false;
    const int milliseconds = qEnvironmentVariableIntValue(SplashTimeVariable, &ok);
    return ok && milliseconds >= 0 ? milliseconds : TAboutForm::SplashMilliseconds;
}

void TAboutCommand::HelpAboutExecute()
{
    ShowModally(-1);
}

void TAboutCommand::ShowSplash()
{
    const int milliseconds = SplashMilliseconds();
    if (milliseconds > 0)
        ShowModally(milliseconds);
}

void TAboutCommand::ShowModally(int autoCloseMilliseconds)
{
    TAboutForm about(&FMainWindow, autoCloseMilliseconds);
    connect(&about, &TAboutForm::DebugMenuRevealed, &FDebugMenu, &TDebugMenu::Reveal);
    about.exec();
}
