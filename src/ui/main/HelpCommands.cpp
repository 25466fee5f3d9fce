#include "ui/main/HelpCommands.h"

#include <QAction>
#include <QPointer>

#include "kit/CalKit.h"
#include "ui/components/HelpHook.h"
#include "ui/dialogs/UserMsg.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/help/HelpContexts.h"
#include "ui/help/HelpSystem.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/HomePage.h"
#include "ui/help/WhatsThis.h"
#include "ui/main/GuardedAction.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainForm.h"

THelpCommands::THelpCommands(TMainForm& form)
    : QObject(&form),
      FForm(form),
      FHelp(&InstallHelpSystem(form)),
      FWhatsThis(new TWhatsThisMode([this] { return GridHelpScope(); }, this))
{
    const QPointer<THelpSystem> help(FHelp);
    InstallHelpHandler([help](const QString& keyword, int /*context*/) {
        if (!help.isNull() && !keyword.isEmpty())
            help->ShowKeyword(keyword);
    });
    connect(FWhatsThis, &TWhatsThisMode::ContextChosen, this, &THelpCommands::WhatsThisChosen);

    TMainActions& actions = form.Actions();
    for (QAction* command : {actions.HelpContents, actions.HelpWhatsThis, actions.HelpOnHelp, actions.HelpTutorial,
                             actions.HelpHomePage})
        command->setEnabled(true);
    OnTriggered(actions.HelpContents, this, &form, [this] { HelpContentsExecute(); });
    OnTriggered(actions.HelpWhatsThis, this, &form, [this] { HelpWhatsThisExecute(); });
    OnTriggered(actions.HelpOnHelp, this, &form, [this] { HelpOnHelpExecute(); });
    OnTriggered(actions.HelpTutorial, this, &form, [this] { HelpTutorialExecute(); });
    OnTriggered(actions.HelpHomePage, this, &form, [this] { HelpHomePageExecute(); });
}

THelpCommands::~THelpCommands()
{
    FWhatsThis->End();
}

TGridHelpScope THelpCommands::GridHelpScope() const
{
    TCalKitEditForm* editor = FForm.ActiveEditor();
    if (editor == nullptr)
        return {};
    return {editor, &editor->Kit().Vna()};
}

void THelpCommands::HelpContentsExecute()
{
    FHelp->ShowContents();
}

void THelpCommands::HelpWhatsThisExecute()
{
    FWhatsThis->Enter();
}

void THelpCommands::WhatsThisChosen(int context, const QPoint& globalPos)
{
    FHelp->ShowPopup(context, globalPos);
}

void THelpCommands::HelpOnHelpExecute()
{
    FHelp->ShowKeyword(HelpKeyword::HowToUseHelp);
}

void THelpCommands::HelpTutorialExecute()
{
    FHelp->ShowKeyword(HelpKeyword::Tutorial);
}

void THelpCommands::HelpHomePageExecute()
{
    if (!OpenHomePage())
        FForm.UserMsgForm().ShowHomePage();
}
