// The main window disabled for the length of an instrument transfer. The windows it owns (the
// progress dialog, the traffic log) stay live, as owned windows do when their owner is
// disabled on the desktop, so that Cancel can be clicked. The window is enabled again when the
// lock goes, whatever ended the transfer.
#pragma once

class QWidget;

class TMainWindowLock {
public:
    explicit TMainWindowLock(QWidget& window);
    ~TMainWindowLock();
    TMainWindowLock(const TMainWindowLock&) = delete;
    TMainWindowLock& operator=(const TMainWindowLock&) = delete;

private:
    QWidget& FWindow;
};
