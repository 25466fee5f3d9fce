// Exceptions, numeric helpers and small file-system helpers shared by the whole program.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Every failure the program reports carries its complete user-facing text, lines separated
// by '\n'. The text is shown exactly as it stands.
class ETessalyError : public std::runtime_error {
public:
    explicit ETessalyError(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// File failures: the shell reports them with a one-line status text and the message dialog.
class EFileTrouble : public ETessalyError {
public:
    using ETessalyError::ETessalyError;
};
class ECannotOpenFile : public EFileTrouble {
public:
    using EFileTrouble::EFileTrouble;
};
class ECannotSaveFile : public EFileTrouble {
public:
    using EFileTrouble::EFileTrouble;
};
class EFileReadOnly : public EFileTrouble {
public:
    using EFileTrouble::EFileTrouble;
};
class ECorruptCalKit : public EFileTrouble {
public:
    using EFileTrouble::EFileTrouble;
};

// Raised from a transfer's progress procedure when the user cancelled.
class EUserAbort : public ETessalyError {
public:
    EUserAbort() : ETessalyError("Operation aborted at user's request.") {}
    using ETessalyError::ETessalyError;
};

// Any failure on the instrument bus, or an error the analyzer reports.
class EGpibException : public ETessalyError {
public:
    using ETessalyError::ETessalyError;
};

// A dynamic array of 32-bit signed integers.
using TIntArray = std::vector<std::int32_t>;

// Min(Max(value, low), high), in that order: when low lies above high the result is high.
// A value that is not a number counts as low, so a clamped value is always a number.
double ClampFloat(double value, double low, double high);
int ClampInt(int value, int low, int high);

// Rounds to d decimals (d forced into 0..15): multiply by 10^d, round to nearest with ties
// to even, divide.
double RoundTo(double value, int decimals);
long double RoundToExtended(long double value, int decimals);

// The first count characters of text (all of it when shorter; none for a count below 1).
std::string FirstChars(std::string_view text, int count);

// Removes leading and trailing characters with codes 0 to 32.
std::string Trim(std::string_view text);

// text as a terminal or a log window may show it: every control character but the tab (codes
// 0 to 31, 127 and 128 to 159) written as an escape, "\r", "\n" or "\x1b", so that bytes
// from an instrument cannot move the cursor, set a window title or hide what came before.
std::string EscapeControlCharacters(std::string_view text);

// Parses text as an integer or a float after trimming blanks; 0 when it is not a number.
// The decimal separator of floats is given (a full stop for instrument replies and files).
std::int32_t ParseIntOrZero(std::string_view text);
double ParseFloatOrZero(std::string_view text, char decimalSeparator = '.');

// True when text (trimmed) is a complete number in the given notation.
bool TryParseFloat(std::string_view text, double& value, char decimalSeparator = '.');
bool TryParseInt(std::string_view text, std::int32_t& value);

// A calendar day of the proleptic Gregorian calendar.
struct TCivilDate {
    int Year = 1899;
    unsigned Month = 12;
    unsigned Day = 30;
    bool operator==(const TCivilDate&) const = default;
};

// OLE Automation dates: days since 30 December 1899 as a 64-bit float, the time of day in
// the fraction.
double OleDateFromCivil(const TCivilDate& date);
// The day of an OLE date (its time part ignored); none for a value that is not a number or
// lies outside the years 100 to 9999.
std::optional<TCivilDate> CivilFromOleDate(double oleDate);
// Today's local date, without a time part.
double TodayOleDate();

// True when path exists and is a directory.
bool DirectoryExists(const std::string& path);

// Core strings are single-byte texts (one character per byte, Latin-1), exactly as the
// fixed-width fields of the file and clipboard formats hold them.
