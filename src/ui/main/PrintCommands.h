// The printing commands of the "&File" menu: Page Setup, Print and Print to Clipboard. The
// report of the active kit is drawn at the screen's resolution, then stretched onto the
// printer page inside the page-setup margins or put on the clipboard as a picture.
#pragma once

#include <QMarginsF>
#include <QObject>
#include <QPageLayout>
#include <memory>

#include "ui/editor/PrintMargins.h"
#include "ui/main/PrintDialogs.h"

class QPrinter;
class TMainForm;

class TPrintCommands : public QObject {
    Q_OBJECT
public:
    // Connects the three commands of form's action list. The margins start at the defaults
    // of the user's measurement system (the default locale's).
    explicit TPrintCommands(TMainForm& form);
    ~TPrintCommands() override;

    // The page margins in thousandths of an inch.
    const TPrintMargins& PrintMargins() const { return FPrintMargins; }
    // The printer that page setup and printing share, made at its first use with the margins
    // and unit the page setup dialog starts with.
    QPrinter& Printer();
    // Replaces the dialogs (tests answer in place of the user).
    void SetPrintDialogs(std::unique_ptr<TPrintDialogs> dialogs);

    void FilePageSetupExecute();
    void FilePrintExecute();
    void FilePrintToClipboardExecute();
    // The three commands are enabled only while a kit window is active.
    void UpdateActions();

private:
    TMainForm& FForm;
    std::unique_ptr<TPrintDialogs> FDialogs;
    std::unique_ptr<QPrinter> FPrinter;
    QPageLayout::Unit FPageSetupUnit;
    QMarginsF FPageSetupMargins;  // in FPageSetupUnit, until the printer holds them
    TPrintMargins FPrintMargins;
};
