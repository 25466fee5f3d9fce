// Names that a window or control carries for code, screen readers and context help.
#pragma once

#include <QString>

class QWidget;

// The dynamic property that holds a widget's help context number.
inline constexpr const char* HelpContextProperty = "helpContext";

// Sets the object name, the accessible name and description, and, when not 0, the help
// context of widget.
void NameControl(QWidget* widget, const QString& objectName, const QString& accessibleName,
                 const QString& description, int helpContext = 0);
