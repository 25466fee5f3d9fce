// Helpers of the widget tests: the catalogue's models by name, answering modal dialogs, typing into the focused widget,
// counting beeps, and a folder of scratch files.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "analyzers/Vna.h"
#include "ui/components/Beep.h"

// The catalogue's model of that name.
inline TVna& Model(const char* name)
{
    TVna* vna = FindVna(name);
    if (vna == nullptr)
        throw std::runtime_error(std::string("no model ") + name);
    return *vna;
}

// Answers the next modal dialog: once one is up, answer runs with it (and should close it).
// The returned flag tells afterwards whether a dialog came.
inline std::shared_ptr<bool> WhenModal(std::function<void(QWidget&)> answer)
{
    auto came = std::make_shared<bool>(false);
    auto* poll = new QTimer(QCoreApplication::instance());
    poll->setObjectName(QStringLiteral("ModalAnswer"));
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(poll, &QTimer::timeout, [poll, answer, came, started] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && started->elapsed() < 5000)
            return;
        poll->stop();
        poll->deleteLater();
        if (modal) {
            *came = true;
            answer(*modal);
        }
    });
    poll->start(10);
    return came;
}

// Ends every answer still waiting for a dialog, so that none of them answers a later test's.
inline void StopModalAnswers()
{
    for (QTimer* poll : QCoreApplication::instance()->findChildren<QTimer*>(QStringLiteral("ModalAnswer"),
                                                                             Qt::FindDirectChildrenOnly))
        delete poll;
}

// Clicks the message box button of that role.
inline void ClickButton(QWidget& dialog, QMessageBox::StandardButton which)
{
    if (auto* box = qobject_cast<QMessageBox*>(&dialog))
        box->button(which)->click();
}

// Sends each character as a key click to whatever has the keyboard focus then (a cell
// editor once typing has opened it).
inline void TypeKeys(QWidget& fallback, const QString& text)
{
    for (const QChar character : text) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : &fallback, character.toLatin1());
    }
}

// Counts the beeps of refused input while it lives.
class TBeepCounter {
public:
    TBeepCounter() : FPrevious(InstallBeepHook([this] { ++FCount; })) {}
    ~TBeepCounter() { InstallBeepHook(FPrevious); }
    TBeepCounter(const TBeepCounter&) = delete;
    TBeepCounter& operator=(const TBeepCounter&) = delete;
    int Count() const { return FCount; }

private:
    int FCount = 0;
    TBeepHook FPrevious;
};

// Keeps the process's current folder: file dialogs move it to the chosen file's folder.
class TCurrentFolderKeeper {
public:
    TCurrentFolderKeeper() : FFolder(QDir::currentPath()) {}
    ~TCurrentFolderKeeper() { QDir::setCurrent(FFolder); }
    TCurrentFolderKeeper(const TCurrentFolderKeeper&) = delete;
    TCurrentFolderKeeper& operator=(const TCurrentFolderKeeper&) = delete;

private:
    QString FFolder;
};

// Runs the event loop until done() or the time is up; the result is done().
inline bool WaitFor(const std::function<bool()>& done, int milliseconds = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds)
        QTest::qWait(10);
    return done();
}
