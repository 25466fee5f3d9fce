#include "ui/editor/EditorFonts.h"

#include <QFontMetrics>

QFont FontOfHeight(const QFont& base, int lineHeight)
{
    QFont font = base;
    for (int size = lineHeight; size > 6; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= lineHeight)
            break;
    }
    return font;
}

QFont BoldFontOfHeight(const QFont& base, int lineHeight)
{
    QFont bold = base;
    bold.setBold(true);
    return FontOfHeight(bold, lineHeight);
}
