#include "ui/components/StdDragCursor.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

constexpr int CursorSize = 32;

void DrawArrow(QPainter& painter)
{
    const QPolygonF arrow({{0, 0}, {0, 15}, {4, 11}, {7, 17}, {9, 16}, {6, 10}, {11, 10}});
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::black);
    painter.drawPolygon(arrow);
}

void DrawNumberTag(QPainter& painter, int number)
{
    const QRect tag(10, 14, CursorSize - 11, CursorSize - 15);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(255, 255, 225));
    painter.drawRect(tag);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.drawText(tag, Qt::AlignCenter, QString::number(number));
}

}  // namespace

QString StdCursorName(int number)
{
    return QStringLiteral("STD%1").arg(number);
}

QPixmap StdDragCursor(int number)
{
    if (number < FirstStdCursor || number > LastStdCursor)
        return QPixmap();
    QPixmap cursor(CursorSize, CursorSize);
    cursor.fill(Qt::transparent);
    QPainter painter(&cursor);
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawArrow(painter);
    DrawNumberTag(painter, number);
    return cursor;
}
