#include "ui/help/HomePage.h"

#include "ui/components/MakerAddress.h"

#include <QDesktopServices>
#include <QUrl>

bool OpenHomePage()
{
    return QDesktopServices::openUrl(QUrl(MakerHomePage()));
}
