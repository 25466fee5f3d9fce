// Connecting a command to an action of the main window's action list.
#pragma once

#include <QAction>
#include <QObject>

#include "ui/components/ErrorDisplay.h"

// Runs command whenever action is triggered, as long as receiver lives; an exception that
// command raises is shown over window.
template <typename F>
void OnTriggered(QAction* action, QObject* receiver, QWidget* window, F command)
{
    QObject::connect(action, &QAction::triggered, receiver, [window, command] { RunGuarded(window, command); });
}
