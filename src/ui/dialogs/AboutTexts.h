// The fixed texts of the About window: the licence and warranty terms and the copyright
// warning.
#pragma once

#include <QString>

QString AboutLicenseText();
QString AboutLegalWarningText();
