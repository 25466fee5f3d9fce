#include "ui/dialogs/ControlNaming.h"

#include <QWidget>

void NameControl(QWidget* widget, const QString& objectName, const QString& accessibleName,
                 const QString& description, int helpContext)
{
    widget->setObjectName(objectName);
    widget->setAccessibleName(accessibleName);
    widget->setAccessibleDescription(description);
    if (helpContext != 0)
        widget->setProperty(HelpContextProperty, helpContext);
}
