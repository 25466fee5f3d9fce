#include "ui/editor/PicturePrinting.h"

#include "kit/Utility.h"
#include "ui/editor/PictureDrawing.h"

#include <QFile>
#include <QPainter>
#include <QPicture>
#include <QPrinter>

namespace {

// Ends a job that went wrong. Printers that cannot abort (the PDF and CUPS engines) still
// finish the job; a file they were writing is then removed, so no half-drawn page remains.
void AbortJob(QPrinter& printer, QPainter& painter)
{
    const bool aborted = printer.abort();
    painter.end();
    if (!aborted && printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        QFile::remove(printer.outputFileName());
}

}  // namespace

void PrintOnePage(QPrinter& printer, const std::function<void(QPainter&)>& draw)
{
    QPainter painter;
    if (!painter.begin(&printer))
        throw ETessalyError("The printer could not start the print job.");
    try {
        draw(painter);
    } catch (...) {
        AbortJob(printer, painter);
        throw;
    }
    if (printer.printerState() == QPrinter::Error) {
        AbortJob(printer, painter);
        throw ETessalyError("The printer reported an error. The print job has been aborted.");
    }
    if (!painter.end())
        throw ETessalyError("The printer could not finish the print job.");
}

void PrintPicture(QPrinter& printer, const QPicture& picture, const QSize& pictureSize,
                  const TPrintMargins& margins)
{
    const QRect target = PrintTargetRect(margins, PrinterGeometry(printer));
    if (target.isEmpty() || pictureSize.isEmpty())
        throw ETessalyError("The page margins leave no room for the report.");
    PrintOnePage(printer, [&](QPainter& painter) { DrawPictureStretched(painter, picture, pictureSize, target); });
}
