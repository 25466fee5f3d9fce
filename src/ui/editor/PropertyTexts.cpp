#include "ui/editor/PropertyTexts.h"

namespace {

constexpr int LowbandDigits = 5;
constexpr int LowbandDecimals = 4;
constexpr int SystemZ0Digits = 3;
constexpr int SystemZ0Decimals = 2;

}  // namespace

std::string LowbandText(double gigahertz, char decimalSeparator)
{
    return FormatFixed(gigahertz, LowbandDigits, LowbandDecimals, decimalSeparator);
}

std::string SystemZ0Text(double ohms, char decimalSeparator)
{
    return FormatFixed(ohms, SystemZ0Digits, SystemZ0Decimals, decimalSeparator);
}
