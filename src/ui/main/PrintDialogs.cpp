#include "ui/main/PrintDialogs.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/help/WhatsThis.h"

bool TDesktopPrintDialogs::PageSetup(QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, FParent);
    dialog.setObjectName(QStringLiteral("PageSetupDialog"));
    SetHelpContext(&dialog, PageSetupHelpContext);
    return dialog.exec() == QDialog::Accepted;
}

bool TDesktopPrintDialogs::Print(QPrinter& printer)
{
    // The report is one page: there is no range or selection to choose.
    printer.setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&printer, FParent);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    SetHelpContext(&dialog, PrintHelpContext);
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}
