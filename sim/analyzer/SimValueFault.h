// A fault of the analyzer's kit memory: one number is stored with another value than the one
// it was sent, as a failing memory or a firmware fault would. It is given by
// TESSALY_SIM_ALTER as "N:field=value" for a field of standard N (c0..c3, l0..l3, termz,
// delay, loss, z0, fmin, fmax) or "field=value" for a kit-wide one (systemz0, lowband); the
// value is in the analyzer's units (s, Hz, ohm, ohm/s; coefficients as entered).
#pragma once

#include "SimKitMemory.h"

#include <optional>
#include <string>

struct SimValueFault {
    int standard = 0; // 0 for a kit-wide number
    std::string field;
    double value = 0;

    // The fault TESSALY_SIM_ALTER names now; nothing when it is unset or not understood.
    static std::optional<SimValueFault> FromEnvironment();
    static std::optional<SimValueFault> Parse(const std::string& text);

    // The number of kit that the fault alters; nullptr when kit has no such number.
    double* Target(SimKit& kit) const;
};
