// The About window as the main window uses it: the splash at the first show, which closes
// itself, and the Help menu's "&About Tessaly...", which stays until closed. Either window's
// key chord reveals the Debug menu.
#pragma once

#include <QObject>

class QAction;
class QWidget;
class TDebugMenu;

class TAboutCommand : public QObject {
    Q_OBJECT
public:
    // The environment variable that overrides the splash time: a whole number of
    // milliseconds, 0 for no splash at all (for tests and demonstrations).
    static constexpr const char* SplashTimeVariable = "TESSALY_SPLASH_MILLISECONDS";

    // Connects helpAbout; the windows stand in front of mainWindow.
    TAboutCommand(QWidget& mainWindow, QAction& helpAbout, TDebugMenu& debugMenu);

    void HelpAboutExecute();
    // Shows the About window modally until it closes itself after SplashMilliseconds().
    void ShowSplash();

    // TAboutForm::SplashMilliseconds unless the environment says otherwise.
    static int SplashMilliseconds();

private:
    void ShowModally(int autoCloseMilliseconds);

    QWidget& FMainWindow;
    TDebugMenu& FDebugMenu;
};
