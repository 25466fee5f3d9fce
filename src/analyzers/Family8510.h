// The 8510 family: 21 standards, two user cal-kit slots on the instrument, and the 8510A,
// 8510B and 8510C models.
#pragma once

#include "analyzers/Legacy.h"

class T8510Family : public TLegacy {
    friend class TVna;

public:
    // The 1426-byte "CK_" disk file.
    void WriteDiskFile(TCalKit& kit, const std::string& fileName) override;
    void ReadDiskFile(TCalKit& kit, const std::string& fileName) override;

protected:
    T8510Family();
};

class T8510A final : public T8510Family {
    friend class TVna;
    T8510A();
};

// Shorts with inductance, offset loads, isolation, TRL and adapter classes.
class T8510B : public T8510Family {
    friend class TVna;

protected:
    T8510B();
};

class T8510C final : public T8510B {
    friend class TVna;
    T8510C();
};
