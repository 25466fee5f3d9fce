// Asking the analyzer and reading its replies: one query is one write followed by one read,
// and the conversions the uploads apply to what comes back. Numbers are read with a full
// stop as the decimal separator, whatever the user's locale says.
#pragma once

#include <cstdint>
#include <string>

class TGpibCard;

// Writes command, reads one reply and returns it as the card delivered it.
std::string Query(TGpibCard& card, const std::string& command);

// The reply as a number: blanks trimmed, then a decimal number with optional sign and
// exponent; 0 when it is not one.
double ReplyNumber(const std::string& reply);

// The reply as a number rounded to 4 decimals (ties to even).
double ReplyRounded(const std::string& reply);

// The analyzers reply in base units; the kit keeps picoseconds, ohm/ns and gigahertz.
inline constexpr long double SecondsToPicoseconds = 1e12L;
inline constexpr long double PerSecondToPerNanosecond = 1e-9L;
inline constexpr long double HertzToGigahertz = 1e-9L;

// The reply as a number times scale, the product formed in extended precision and rounded to
// 4 decimals there (seconds to picoseconds, hertz to gigahertz, ohm/s to ohm/ns).
double ReplyScaled(const std::string& reply, long double scale);

// The reply as a whole number: blanks trimmed; 0 when it is not one.
std::int32_t ReplyInteger(const std::string& reply);

// A yes of the mnemonic setting queries: exactly the one character "1", nothing around it.
bool IsYesReply(const std::string& reply);

// The character by which the 8510's setting queries are judged: the second one (the first is
// the opening quote); 0 for a reply shorter than two characters.
char SecondCharacter(const std::string& reply);

// A SCPI string reply: blanks trimmed, then one quote (single or double) removed at each end
// where there is one.
std::string UnquotedReply(const std::string& reply);

// A SCPI keyword reply: blanks trimmed, upper case, its first four characters.
std::string KeywordReply(const std::string& reply);
