// How the kit properties page shows its numbers: fixed notation with a set number of
// significant digits and decimals, as "2.0000" GHz or "50.00" ohm.
#pragma once

#include <string>

#include "ui/editor/FixedNotation.h"

// The low-band frequency: 5 significant digits, 4 decimals.
std::string LowbandText(double gigahertz, char decimalSeparator);
// The system impedance: 3 significant digits, 2 decimals.
std::string SystemZ0Text(double ohms, char decimalSeparator);
