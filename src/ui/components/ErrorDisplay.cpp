#include "ui/components/ErrorDisplay.h"

#include <QMessageBox>

#include "ui/components/CoreText.h"

void ShowException(QWidget* parent, const std::exception& error)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tessaly"), FromCore(error.what()), QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("ErrorMessage"));
    box.exec();
}
