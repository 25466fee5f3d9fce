// A picture on the clipboard, in the forms other programs paste: a PNG image and an SVG
// drawing.
#pragma once

#include <QSize>

class QMimeData;
class QPicture;

// The clipboard data of picture, whose content spans (0, 0) to pictureSize at dotsPerInch:
// "image/png" (the picture drawn on white at that size) and "image/svg+xml" (the drawing
// itself, with the physical size the resolution gives). The caller owns the result.
QMimeData* PictureMimeData(const QPicture& picture, const QSize& pictureSize, double dotsPerInch);

// Replaces the clipboard's contents with PictureMimeData.
void PutPictureOnClipboard(const QPicture& picture, const QSize& pictureSize, double dotsPerInch);
