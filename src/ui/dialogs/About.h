// The About window: the program's name, maker, version, licence and warranty text and the
// copyright warning. The main window shows it modally twice: as the splash at start-up,
// which closes itself after SplashMilliseconds, and for "&About Tessaly...", which stays
// until closed. Pressing Ctrl+Alt+Shift+D while it has the focus reveals the main window's
// hidden "&Debug" menu for the rest of the run.
#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;
class QPushButton;
class QSvgRenderer;
class QTextEdit;
class TAboutAnimation;

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int SplashMilliseconds = 2500;
    // The letter that, with Ctrl, Alt and Shift, reveals the Debug menu.
    static constexpr Qt::Key DebugRevealKey = Qt::Key_D;

    // autoCloseMilliseconds as for SetAutoCloseInterval. Shown modally on the stack:
    //     TAboutForm splash(mainWindow, TAboutForm::SplashMilliseconds);
    //     connect(&splash, &TAboutForm::DebugMenuRevealed, ...);
    //     splash.exec();
    explicit TAboutForm(QWidget* parent = nullptr, int autoCloseMilliseconds = -1);

    // The window closes itself this many milliseconds after it is shown; 0 or less means
    // never (kept as -1).
    void SetAutoCloseInterval(int milliseconds);
    int AutoCloseInterval() const { return FAutoCloseInterval; }

    // The key chord has been pressed in this window.
    bool DebugRevealed() const { return FDebugRevealed; }

signals:
    // The key chord was pressed: the main window makes its "&Debug" menu visible and
    // enabled for the rest of the run.
    void DebugMenuRevealed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildControls();
    static bool IsDebugChord(const QEvent* event);

    QSvgRenderer* FBackground = nullptr;
    TAboutAnimation* Animate1 = nullptr;
    QLabel* CompanyName = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Copyright = nullptr;
    QTextEdit* License = nullptr;
    QLabel* LegalWarning = nullptr;
    QPushButton* btnOK = nullptr;
    QTimer SplashTimer;
    int FAutoCloseInterval = -1;
    bool FDebugRevealed = false;
};
