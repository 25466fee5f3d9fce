// Hands the user's decimal separator and long date format to the kit's text formats, so the
// export and every number the windows show follow the desktop's regional settings.
#pragma once

class QLocale;

// Installs locale's decimal separator (a full stop when it is no single Latin-1 character)
// and its long date format for the rest of the run.
void InstallUserLocaleFormat(const QLocale& locale);

// The decimal separator that the kit's formats use now.
char UserDecimalSeparator();
