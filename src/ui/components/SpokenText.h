// Texts that a screen reader reads as they are shown.
#pragma once

class QLabel;
class QString;

// Shows text on label and makes that text the label's accessible name, so that assistive
// technology reads what the label says now, not what it is for (that belongs in the
// accessible description).
void SetSpokenText(QLabel& label, const QString& text);
