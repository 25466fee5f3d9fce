// Small helpers that the model constructors share: the catalogue identity of a model, class
// tables, and the hint texts that more than one family uses.
#pragma once

#include "analyzers/Vna.h"

#include <cstdint>
#include <initializer_list>
#include <string>

// Where a model sits in the catalogue and how the main window names it.
struct TModelIdentity {
    std::uint8_t Index = 0;
    const char* Name = "";
    const char* Hint = ""; // starts with "|" so that only the long hint exists
    std::int32_t HelpOffset = 0;
};

void SetIdentity(TVna& vna, const TModelIdentity& identity);

// Fills ClassInfo[first], ClassInfo[first + 1], ... with the given entries, in order.
void SetClassInfo(TVna& vna, int first, std::initializer_list<TStdClassInfo> entries);

// Column 7 hints of the load-type choice.
inline constexpr const char* LoadTypeHintFixedSliding = "Load Type: fixed or sliding";
inline constexpr const char* LoadTypeHintWithOffset = "Load Type: fixed, sliding, or offset";

// Sets the Load and ArbiZ hints of column 7.
void SetLoadTypeHint(TVna& vna, TStdType type, const std::string& hint);

// Short hints of columns 3 to 6 for models whose shorts carry L0..L3.
void SetShortInductanceHints(TVna& vna);

// The class-grid hint of the standard-number columns: "Standard Number: 1 to " + n.
std::string StandardNumberHint(std::int32_t numStandards);
