// The main window's "&Debug" menu: "&No GPIB" runs every transfer against the no-bus card,
// "&Log GPIB" shows the traffic log window. The menu stays hidden and disabled until the About
// window's key chord reveals it; then it stays for the rest of the run. Nothing of it is
// stored.
#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;

class TDebugMenu : public QObject {
    Q_OBJECT
public:
    // Fills menu with its two items; the log window opens beside mainWindow.
    TDebugMenu(QMenu& menu, QWidget& mainWindow);

    // Makes the menu visible and enabled.
    void Reveal();
    bool Revealed() const;

    // Click on either item, told apart by its name; the item's check mark has already
    // toggled.
    void DebugMenuClick(QAction& item);

    QAction* mnuDebugNoGpib;
    QAction* mnuDebugLogGpib;

private:
    QAction* AddItem(const char* name, const QString& caption);

    QMenu& FMenu;
    QWidget& FMainWindow;
};
