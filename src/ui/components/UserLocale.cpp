#include "ui/components/UserLocale.h"

#include <QDate>
#include <QLocale>

#include "kit/LocaleFormat.h"
#include "kit/Utility.h"
#include "ui/components/CoreText.h"

void InstallUserLocaleFormat(const QLocale& locale)
{
    TLocaleFormat format;
    const QString separator = locale.decimalPoint();
    if (separator.size() == 1 && separator.front().unicode() < 256 && separator.front().isPunct())
        format.DecimalSeparator = static_cast<char>(separator.front().unicode());
    format.LongDate = [locale](double oleDate) -> std::string {
        const std::optional<TCivilDate> day = CivilFromOleDate(oleDate);
        if (!day)
            return {};
        const QDate date(day->Year, static_cast<int>(day->Month), static_cast<int>(day->Day));
        return ToCore(locale.toString(date, QLocale::LongFormat));
    };
    SetLocaleFormat(std::move(format));
}

char UserDecimalSeparator()
{
    return LocaleFormat().DecimalSeparator;
}
