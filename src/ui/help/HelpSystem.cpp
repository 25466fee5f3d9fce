#include "ui/help/HelpSystem.h"

#include "ui/components/HelpHook.h"
#include "ui/help/HelpWindow.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWhatsThis>

namespace {

const QString ProgramHelpName = QStringLiteral("ProgramHelpSystem");

}  // namespace

THelpSystem::THelpSystem(QObject* parent) : QObject(parent)
{
}

THelpSystem::~THelpSystem()
{
    // While the application object is being destroyed, windows can no longer be; the process
    // is ending then anyway.
    if (!QCoreApplication::closingDown())
        delete FWindow;
    else if (!FWindow.isNull())
        FWindow->hide();  // keeps where the user left it
}

THelpWindow& THelpSystem::EnsureWindow()
{
    if (FWindow.isNull()) {
        FWindow = new THelpWindow(FTopics);
        // The help of the main window (this system's owner) opens on it the first time.
        FWindow->RestorePlacement(qobject_cast<QWidget*>(parent()));
    }
    return *FWindow;
}

bool THelpSystem::ShowContents()
{
    EnsureWindow().ShowTopic(QString::fromLatin1(THelpTopics::ContentsTopic));
    return true;
}

bool THelpSystem::ShowKeyword(const QString& keyword)
{
    const QString topic = FTopics.TopicOfKeyword(keyword);
    if (topic.isEmpty()) {
        ShowContents();
        FWindow->SetFilter(keyword);
        return false;
    }
    EnsureWindow().ShowTopic(topic);
    return true;
}

bool THelpSystem::ShowContext(int context)
{
    const QString topic = FTopics.TopicOfContext(context);
    if (topic.isEmpty()) {
        ShowContents();
        return false;
    }
    EnsureWindow().ShowTopic(topic);
    return true;
}

bool THelpSystem::ShowPopup(int context, const QPoint& globalPos)
{
    const QString topic = FTopics.TopicOfContext(context);
    if (topic.isEmpty())
        return false;
    QWhatsThis::showText(globalPos, FTopics.PopupHtml(topic));
    return true;
}

THelpSystem& InstallHelpSystem(QObject& owner)
{
    if (auto* installed = owner.findChild<THelpSystem*>(ProgramHelpName, Qt::FindDirectChildrenOnly))
        return *installed;
    auto* help = new THelpSystem(&owner);
    help->setObjectName(ProgramHelpName);
    const QPointer<THelpSystem> target(help);
    InstallHelpHandler([target](const QString& keyword, int context) {
        if (target.isNull())
            return;
        if (!keyword.isEmpty())
            target->ShowKeyword(keyword);
        else
            target->ShowContext(context);
    });
    return *help;
}
