// Text tools shared by the simulated analyzer's two command sets: splitting a bus message
// into commands, reading numbers with unit suffixes, quoted strings and number lists, and
// writing numbers the way the analyzers reply with them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Removes leading and trailing blanks, tabs and line ends.
std::string TrimBlanks(std::string_view text);
// Upper-cases the ASCII letters only; other bytes (Latin-1 text) stay as they are.
std::string UpperAscii(std::string_view text);

// Splits one bus message into its commands at each ';' outside a quoted string. A quote
// (any character of quoteChars) opens a string; the same quote closes it only when the next
// non-blank character is ';' or the end of the message, so a label may hold quotes and
// semicolons. With doubledQuotes (the IEEE 488.2 string rule), two of the opening quote in a
// row stand for one quote inside the string and never close it. Each command is trimmed and
// upper-cased outside its strings; empty commands are dropped.
std::vector<std::string> SplitCommands(std::string_view message, std::string_view quoteChars,
                                       bool doubledQuotes = false);

// The unit a numeric entry is given in; its suffixes scale the number to the base unit.
enum class SimUnit {
    None,    // no suffix allowed
    Seconds, // S, MS, US, NS, PS, FS
    Hertz    // HZ, KHZ, MHZ, GHZ
};

// A decimal number, optionally followed by a unit suffix (upper case), in the base unit.
std::optional<double> ParseQuantity(std::string_view text, SimUnit unit);
// A decimal integer, nothing else.
std::optional<int> ParseInteger(std::string_view text);
// Decimal integers separated by commas; an empty text gives an empty list.
std::optional<std::vector<int>> ParseIntegerList(std::string_view text);
// The text between two equal quote characters (any of quoteChars) that enclose the whole
// (trimmed) text; nothing when the text is not quoted. With doubledQuotes, each pair of the
// enclosing quote inside becomes one.
std::optional<std::string> ParseQuoted(std::string_view text, std::string_view quoteChars,
                                       bool doubledQuotes = false);

// Scientific notation with up to 15 significant digits, trailing zeros of the mantissa
// removed, an upper-case "E" and a signed exponent of at least two digits: 2.9243E-11, 5E+01.
std::string FormatScientific(double value);
