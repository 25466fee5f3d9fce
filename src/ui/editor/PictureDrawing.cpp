#include "ui/editor/PictureDrawing.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPicture>

void DrawPictureStretched(QPainter& painter, const QPicture& picture, const QSize& pictureSize,
                          const QRectF& target)
{
    if (pictureSize.isEmpty() || target.isEmpty())
        return;
    const QPaintDevice* device = painter.device();
    const double playX = static_cast<double>(device->logicalDpiX()) / picture.logicalDpiX();
    const double playY = static_cast<double>(device->logicalDpiY()) / picture.logicalDpiY();
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / pictureSize.width() / playX, target.height() / pictureSize.height() / playY);
    painter.drawPicture(0, 0, picture);
    painter.restore();
}
