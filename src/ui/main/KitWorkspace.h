// The main window's client area: the kit windows live here, over a light-grey background on
// which the program's logo is tiled from the top-left corner.
#pragma once

#include <QMdiArea>
#include <QPixmap>

class TKitWorkspace : public QMdiArea {
    Q_OBJECT
public:
    static constexpr int LogoWidth = 400;
    static constexpr int LogoHeight = 180;

    explicit TKitWorkspace(QWidget* parent = nullptr);

    // The logo as one tile, drawn over the light-grey background.
    static QPixmap LogoTile();

    // Tile the shown windows: horizontally one above the other, vertically side by side
    // (many windows share rows and columns).
    void TileHorizontally();
    void TileVertically();

private:
    void Tile(bool stacked);
};
