// The GPIB traffic log window ("GPIB Commands") and what the main window's hidden "&Debug"
// menu does with it and with the no-bus card. While the window exists it is the bus's log
// sink: every command and reply that a card logs (LogGpib on) becomes one line at its end.
// Closing it in any way stops the logging and tells the main window, which removes the check
// mark of "&Log GPIB".
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class QFrame;

class TFormGpibDebug : public QWidget {
    Q_OBJECT
public:
    // The log window while it exists (at most one does), else null.
    static TFormGpibDebug* Instance();

    // Opens the log window beside mainWindow, which owns it: empty, its top 10 pixels below
    // the main window's top, as high as the main window, its right edge 10 pixels past the
    // main window's right edge. Not modal. When the window exists already it is returned as
    // it is.
    static TFormGpibDebug* Open(QWidget* mainWindow);

    // Where a log window of the given width goes beside a main window with this frame.
    static QRect PlaceBeside(const QRect& mainFrame, int logWidth);

    // One line at the end of the log.
    void AppendLine(const QString& line);
    // The whole log, lines separated by line feeds.
    QString Text() const;

    ~TFormGpibDebug() override;

signals:
    // The window is closing (OnLogClosed).
    void LogClosed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    explicit TFormGpibDebug(QWidget* owner);
    // Outer rectangle, window frame included.
    void SetFrameGeometry(const QRect& frame);
    void Button1Click();
    void Button2Click();
    void StopLogging();

    QFrame* Panel1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
};

// Click on "&Log GPIB", with the item's new check state: LogGpib follows it; checked opens
// the log window beside mainWindow (see TFormGpibDebug::Open), unchecked closes it. Returns
// the log window while logging, else null. The caller connects LogClosed of the window to
// removing the item's check mark.
TFormGpibDebug* SetGpibLogging(bool checked, QWidget* mainWindow);

// Click on "&No GPIB", with the item's new check state: in both directions the no-bus card
// becomes current (unchecking does not bring back the card before), and NoGpib follows the
// check state. The GPIB cards must have been created.
void SetNoGpib(bool checked);
