#include "ui/components/SpokenText.h"

#include <QLabel>
#include <QString>

void SetSpokenText(QLabel& label, const QString& text)
{
    label.setText(text);
    // Setting the name also tells a listening screen reader that it changed.
    label.setAccessibleName(text);
}
