// The common base of the models that speak the analyzers' mnemonic command set (the 8753
// and 8510 families).
#pragma once

#include "analyzers/Vna.h"

class TLegacy : public TVna {
    friend class TVna;

public:
    // Writes "OUTPIDEN;" and returns the reply unchanged.
    std::string Identify(TGpibCard& card) override;

protected:
    TLegacy();
    // Step counts and class-grid hints follow the final number of standards.
    void AfterConstruction() override;
};
