// Every difference between two kits, in the kits' own units, over what their models use: the
// kit properties, standards 1..N with the fields their type applies, and classes 1..M with
// their standard numbers and labels.
#pragma once

#include "compare/CompareRules.h"

#include <string>
#include <vector>

class TCalKit;

// The page of the kit editor on which a difference shows.
enum class TKitPage { Standards, Classes, Properties };

struct TKitDifference {
    TKitPage Page = TKitPage::Properties;
    int Number = 0;    // standard or class number; 0 for a kit property
    std::string Where; // "kit", "standard 3", "class S11B"
    std::string Field; // "offset delay", "standards", "label"
    std::string Left;  // the value in the left kit, as text
    std::string Right;
    std::string Unit; // "ps", "ohm", "GHz"; empty for texts, choices and standard lists

    bool operator==(const TKitDifference&) const = default;
};

// The field of a class's standard numbers; its line names only the class.
inline const std::string ClassStandardsField = "standards";

// The differences, kit properties first, then standards by number, then classes by number.
//
// Standards 1..N of both models are compared; for the same type the fields whose grid columns
// the type applies, for different types the type and the offset, frequency, medium and label
// fields both types apply; where the rules say untyped standards do not come back, a standard
// without a type against a thru is passed over. Classes go by their analyzer code, so kits on different models
// compare the classes both have; class labels only where both models edit them. When the
// rules say only the calibration type's classes come back, the TRL classes are compared when
// either kit is a TRL kit, else the ordinary ones. The date last modified is never compared.
std::vector<TKitDifference> CompareKits(const TCalKit& left, const TCalKit& right, const TCompareRules& rules);

// The names of the values the rules leave out ("description", "class assignments", ...), in
// the order of the kit's pages; empty when every value is compared.
std::vector<std::string> LeftOutValues(const TCompareRules& rules);

// "standard 3 offset delay: 29.243 -> 29.25 ps", "class S11B: 2 -> 2,7".
std::string DifferenceLine(const TKitDifference& difference);

// A number in kit units as a difference shows it: the shortest text that reads back as the
// same double ("29.243", "1e-05").
std::string DifferenceNumber(double value);
