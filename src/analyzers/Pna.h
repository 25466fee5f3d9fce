// The PNA analyzers: the SCPI-speaking models, 2-port and 3-port.
#pragma once

#include "analyzers/Vna.h"

class TPna : public TVna {
    friend class TVna;

public:
    // Writes the kit into the user-defined kit slot of the selected GPIB option; reads no reply.
    void DownloadKit(TCalKit& kit, TGpibCard& card, const TProgressProc& progress) override;
    // Reads every standard, every class's standard list, the kit's name and system impedance
    // of the kit the analyzer has selected. Class labels are not read.
    void UploadKit(TCalKit& kit, TGpibCard& card, const TProgressProc& progress) override;
    // Writes "*IDN?" and returns the reply unchanged.
    std::string Identify(TGpibCard& card) override;

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
