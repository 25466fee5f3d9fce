// The 8753 family (8753, 8752, 8720, 8719, 8722): the family bases and the twelve models.
#pragma once

#include "analyzers/Legacy.h"
#include "analyzers/ModelSetup.h"

class T8753Family : public TLegacy {
    friend class TVna;

public:
    // The 716-byte ".ck" disk file.
    void WriteDiskFile(TCalKit& kit, const std::string& fileName) override;
    void ReadDiskFile(TCalKit& kit, const std::string& fileName) override;

protected:
    T8753Family();

    // What sets one model of the family apart; a leaf applies it last.
    struct TLeafValues {
        TModelIdentity Identity;
        double MaxCoefficient = 10000;
        bool OffsetLoad = false; // "Offset" offered for Load standards
        bool HasDiskFiles = false;
        bool CanUpload = true;
    };
    void SetLeafValues(const TLeafValues& leaf);
};

// The models with the TRL classes 13 to 15 and the SOLT/TRL calibration-type choice.
class T8753TRLFamily : public T8753Family {
    friend class TVna;

protected:
    T8753TRLFamily();
};

class T8753ABC final : public T8753Family {
    friend class TVna;
    T8753ABC();
};

class T8752ABC final : public T8753Family {
    friend class TVna;
    T8752ABC();
};

// The 8753D with the old TRL* calibration menu: classes 1 to 10 are the TRL* classes.
class T8753Dtrl final : public T8753Family {
    friend class TVna;
    T8753Dtrl();
};

class T8720A final : public T8753Family {
    friend class TVna;
    T8720A();
};

class T8719A final : public T8753Family {
    friend class TVna;
    T8719A();
};

class T8753DE final : public T8753TRLFamily {
    friend class TVna;
    T8753DE();
};

class T8720BC final : public T8753TRLFamily {
    friend class TVna;
    T8720BC();
};

class T8720DE final : public T8753TRLFamily {
    friend class TVna;
    T8720DE();
};

class T8719C final : public T8753TRLFamily {
    friend class TVna;
    T8719C();
};

class T8722AC final : public T8753TRLFamily {
    friend class TVna;
    T8722AC();
};

class T8719DE final : public T8753TRLFamily {
    friend class TVna;
    T8719DE();
};

class T8722DE final : public T8753TRLFamily {
    friend class TVna;
    T8722DE();
};
