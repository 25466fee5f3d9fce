#include "ui/components/IdleNotifier.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

TIdleNotifier::TIdleNotifier(QObject* parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

TIdleNotifier::~TIdleNotifier()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

void TIdleNotifier::Schedule()
{
    if (FPending)
        return;
    FPending = true;
    QTimer::singleShot(0, this, [this] {
        FPending = false;
        emit Idle();
    });
}

bool TIdleNotifier::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::FocusIn:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Close:
    case QEvent::Drop:
    case QEvent::Shortcut:
    case QEvent::ApplicationStateChange:
        Schedule();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
