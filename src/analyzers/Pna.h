// The PNA analyzers: the SCPI-speaking models, 2-port and 3-port.
#pragma once

#include "analyzers/Vna.h"

class TPna : public TVna {
    friend class TVna;

public:
    // The PNA has no disk-file format: both operations leave the kit and the disk alone.
    void WriteDiskFile(TCalKit& kit, const std::string& fileName) override;
    void ReadDiskFile(TCalKit& kit, const std::string& fileName) override;

protected:
    TPna();
};

// Fifteen classes: the reflection standards of port 3 and the thrus between each pair of ports.
class TPna3port final : public TPna {
    friend class TVna;
    TPna3port();
};
