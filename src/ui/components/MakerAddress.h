// Where the maker of the program can be reached: the home page that the Help menu opens and
// the address the message dialog shows when no browser could be started.
#pragma once

#include <QString>

inline QString MakerHomePage()
{
    return QStringLiteral("https://www.example.org/tessaly");
}

inline QString MakerMailAddress()
{
    return QStringLiteral("tessaly@example.org");
}
