#include "ui/main/PrintCommands.h"

#include <QAction>
#include <QLocale>
#include <QPageSize>
#include <QPicture>
#include <QPointer>
#include <QPrinter>

#include "ui/editor/CalKitEdit.h"
#include "ui/editor/KitReport.h"
#include "ui/editor/PictureClipboard.h"
#include "ui/editor/PicturePrinting.h"
#include "ui/main/GuardedAction.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainForm.h"

TPrintCommands::TPrintCommands(TMainForm& form)
    : QObject(&form),
      FForm(form),
      FDialogs(std::make_unique<TDesktopPrintDialogs>(&form)),
      FPageSetupUnit(PageSetupUnit(QLocale().measurementSystem())),
      FPageSetupMargins(DefaultPageSetupMargins(FPageSetupUnit))
{
    FPrintMargins = TakeMargins(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, FPageSetupMargins, FPageSetupUnit));

    TMainActions& actions = form.Actions();
    OnTriggered(actions.FilePageSetup, this, &form, [this] { FilePageSetupExecute(); });
    OnTriggered(actions.FilePrint, this, &form, [this] { FilePrintExecute(); });
    OnTriggered(actions.FilePrintToClipboard, this, &form, [this] { FilePrintToClipboardExecute(); });
}

TPrintCommands::~TPrintCommands() = default;

QPrinter& TPrintCommands::Printer()
{
    if (!FPrinter) {
        FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        FPrinter->setPageMargins(FPageSetupMargins, FPageSetupUnit);
    }
    return *FPrinter;
}

void TPrintCommands::SetPrintDialogs(std::unique_ptr<TPrintDialogs> dialogs)
{
    FDialogs = std::move(dialogs);
}

void TPrintCommands::UpdateActions()
{
    const bool hasKit = FForm.ActiveEditor() != nullptr;
    TMainActions& actions = FForm.Actions();
    for (QAction* action : {actions.FilePageSetup, actions.FilePrint, actions.FilePrintToClipboard})
        action->setEnabled(hasKit);
}

void TPrintCommands::FilePageSetupExecute()
{
    QPrinter& printer = Printer();
    if (FDialogs->PageSetup(printer))
        FPrintMargins = TakeMargins(printer.pageLayout());
}

void TPrintCommands::FilePrintExecute()
{
    // The kit active when the command was chosen is printed, whatever opens while the
    // dialog is up.
    const QPointer<TCalKitEditForm> editor = FForm.ActiveEditor();
    if (editor.isNull())
        return;
    QPrinter& printer = Printer();
    if (!FDialogs->Print(printer) || editor.isNull())
        return;
    const QPicture report = RenderReport(editor->Kit(), editor->ReportTexts(), ScreenDotsPerInch());
    PrintPicture(printer, report, report.boundingRect().size(), FPrintMargins);
}

void TPrintCommands::FilePrintToClipboardExecute()
{
    TCalKitEditForm* editor = FForm.ActiveEditor();
    if (editor == nullptr)
        return;
    const double dotsPerInch = ScreenDotsPerInch();
    const QPicture report = RenderReport(editor->Kit(), editor->ReportTexts(), dotsPerInch);
    PutPictureOnClipboard(report, report.boundingRect().size(), dotsPerInch);
}
