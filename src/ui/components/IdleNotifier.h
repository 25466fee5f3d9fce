// Tells when the user interface has become idle after input: once per burst of key, mouse,
// focus and window events, after the event loop has handled them. Command states and the
// status bar are refreshed on it, as the desktop's idle time would.
#pragma once

#include <QObject>

class TIdleNotifier : public QObject {
    Q_OBJECT
public:
    // Watches every event of the application.
    explicit TIdleNotifier(QObject* parent = nullptr);
    ~TIdleNotifier() override;

    // Asks for an Idle signal once the pending events are handled.
    void Schedule();

signals:
    void Idle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FPending = false;
};
