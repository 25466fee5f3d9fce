// Printing a picture as a print job of one page.
#pragma once

#include <QRect>
#include <QSize>
#include <functional>

#include "ui/editor/PrintMargins.h"

class QPainter;
class QPicture;
class QPrinter;

// One print job of one page on printer: begins the job, lets draw paint the page, ends the
// job. When draw raises an exception or the printer reports an error, the job is aborted and
// the failure passes on (an error of the printer as ETessalyError); a PDF file being written
// is removed. A printer that cannot begin the job raises ETessalyError.
void PrintOnePage(QPrinter& printer, const std::function<void(QPainter&)>& draw);

// Prints picture, whose content spans (0, 0) to pictureSize, stretched without keeping its
// aspect ratio into the page inside margins (PrintTargetRect). Margins that leave no room on
// the page raise ETessalyError before a job begins.
void PrintPicture(QPrinter& printer, const QPicture& picture, const QSize& pictureSize,
                  const TPrintMargins& margins);
