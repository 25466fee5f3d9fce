#include "ui/main/KitWorkspace.h"

#include <QMdiSubWindow>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

TKitWorkspace::TKitWorkspace(QWidget* parent) : QMdiArea(parent)
{
    setObjectName(QStringLiteral("ClientArea"));
    setAccessibleName(tr("Cal kit windows"));
    setAccessibleDescription(tr("The open cal kits, each in its own window"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // A textured brush repeats the tile from the area's top-left corner.
    setBackground(QBrush(LogoTile()));
}

QPixmap TKitWorkspace::LogoTile()
{
    QPixmap tile(LogoWidth, LogoHeight);
    tile.fill(QColor(192, 192, 192));
    QSvgRenderer logo(QStringLiteral(":/images/logo.svg"));
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    logo.render(&painter, QRectF(0, 0, LogoWidth, LogoHeight));
    return tile;
}

void TKitWorkspace::TileHorizontally()
{
    Tile(true);
}

void TKitWorkspace::TileVertically()
{
    Tile(false);
}

void TKitWorkspace::Tile(bool stacked)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : subWindowList(QMdiArea::CreationOrder))
        if (window->isVisible() && !window->isMinimized())
            windows.append(window);
    const int count = static_cast<int>(windows.size());
    if (count == 0)
        return;
    // Up to three windows share one column (or row); more make a grid.
    const int across = count <= 3 ? 1 : static_cast<int>(std::floor(std::sqrt(static_cast<double>(count))));
    const int along = (count + across - 1) / across;
    const QRect area = viewport()->rect();
    for (int i = 0; i < count; ++i) {
        const int line = i / along;            // column of a stacked tiling, row otherwise
        const int place = i % along;           // position within that line
        const int inLine = line == across - 1 ? count - line * along : along;
        QRect cell;
        if (stacked) {
            const int width = area.width() / across;
            const int height = area.height() / inLine;
            cell = QRect(line * width, place * height, width, height);
        } else {
            const int width = area.width() / inLine;
            const int height = area.height() / across;
            cell = QRect(place * width, line * height, width, height);
        }
        windows[i]->showNormal();
        windows[i]->setGeometry(cell);
    }
}
