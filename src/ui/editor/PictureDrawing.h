// Drawing a recorded picture into a rectangle of any device.
#pragma once

#include <QRectF>
#include <QSize>

class QPainter;
class QPicture;

// Draws picture, whose content spans (0, 0) to pictureSize in its own units, stretched
// without keeping its aspect ratio into target (in painter's coordinates). A picture played
// on a device scales itself by the device's resolution; that is taken back out here, so the
// result depends on target alone.
void DrawPictureStretched(QPainter& painter, const QPicture& picture, const QSize& pictureSize,
                          const QRectF& target);
