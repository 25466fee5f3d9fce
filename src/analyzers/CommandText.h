// How values go into the analyzers' commands: numbers in the general 15-digit format with a
// full stop, labels made safe to stand between the command set's quotes, and the command of
// the selected GPIB option.
#pragma once

#include <string>

class TVna;

// The general decimal format with up to 15 significant digits: trailing zeros removed, no
// decimal point for a whole number; fixed notation for zero and for magnitudes from 0.0001 on
// with at most 15 digits before the point, else scientific notation ("5E-5", "1.5E20": no
// plus sign and no leading zeros in the exponent). The decimal separator is always a full
// stop, whatever the user's locale says: it is the analyzer's syntax.
std::string FormatNumber(long double value);

// An offset loss kept in ohm/ns as the analyzers take it, in ohm/s: the product is formed in
// extended precision and then formatted as above (2.2 gives "2200000000").
std::string FormatLossPerSecond(double ohmPerNanosecond);

// A label for a mnemonic-command string ("LABS \"...\";"): double quotes are dropped, since
// the analyzer ends the string at the first one and would take the rest as commands.
std::string LegacyLabel(const std::string& label);

// A label for a SCPI string between single quotes: each single quote is doubled, so that the
// analyzer stores the label exactly as written.
std::string ScpiLabel(const std::string& label);

// The command part of the model's GPIB option at SelectedOption (1-based): the value that
// belongs to that entry's caption ("Cal Kit &2=MODI2;" gives "MODI2;"). Empty when the model
// offers no options.
std::string SelectedOptionCommand(const TVna& vna);
