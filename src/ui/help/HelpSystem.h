// The program's help: topics found by context number or keyword, shown in the help window
// or, for What's This, as a pop-up beside the control.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

#include "ui/help/HelpTopics.h"

class THelpWindow;

class THelpSystem : public QObject {
    Q_OBJECT
public:
    explicit THelpSystem(QObject* parent = nullptr);
    ~THelpSystem() override;

    const THelpTopics& Topics() const { return FTopics; }

    // Each shows its topic in the help window and answers whether one was found; an unknown
    // keyword or context shows the contents instead (a keyword is then put into the topic
    // filter, so the user sees the titles that come close).
    bool ShowContents();
    bool ShowKeyword(const QString& keyword);
    bool ShowContext(int context);
    // The topic of context as a What's-This pop-up at globalPos; nothing for an unknown one.
    bool ShowPopup(int context, const QPoint& globalPos);

    // The help window; created at the first topic shown.
    THelpWindow* Window() const { return FWindow; }

private:
    THelpWindow& EnsureWindow();

    THelpTopics FTopics;
    QPointer<THelpWindow> FWindow;
};

// Creates the program's help system, owned by owner (the main window), and makes it the
// handler of every help request of the windows (ShowHelpKeyword and ShowHelpContext of the
// help hook): a keyword opens its topic, else the context number does. The requests are
// dropped once the owner is gone. A second call with the same owner returns the help system
// already installed.
THelpSystem& InstallHelpSystem(QObject& owner);
