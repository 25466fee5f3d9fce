#include "ui/editor/PictureClipboard.h"

#include "ui/editor/PictureDrawing.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPicture>
#include <QSvgGenerator>
#include <cmath>

namespace {

const QString PngType = QStringLiteral("image/png");
const QString SvgType = QStringLiteral("image/svg+xml");

QByteArray PngOf(const QPicture& picture, const QSize& size, double dotsPerInch)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter(&image);
        DrawPictureStretched(painter, picture, size, QRectF(QPointF(0, 0), size));
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

QByteArray SvgOf(const QPicture& picture, const QSize& size, double dotsPerInch)
{
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(static_cast<int>(std::lround(dotsPerInch)));
    generator.setTitle(QStringLiteral("Cal kit report"));
    {
        QPainter painter(&generator);
        DrawPictureStretched(painter, picture, size, QRectF(QPointF(0, 0), size));
    }
    return svg;
}

}  // namespace

QMimeData* PictureMimeData(const QPicture& picture, const QSize& pictureSize, double dotsPerInch)
{
    auto* data = new QMimeData;
    data->setData(PngType, PngOf(picture, pictureSize, dotsPerInch));
    data->setData(SvgType, SvgOf(picture, pictureSize, dotsPerInch));
    return data;
}

void PutPictureOnClipboard(const QPicture& picture, const QSize& pictureSize, double dotsPerInch)
{
    QGuiApplication::clipboard()->setMimeData(PictureMimeData(picture, pictureSize, dotsPerInch));
}
