// The GPIB card that drives a National Instruments NI-488.2 library through its board-level
// routines and global status variables.
#pragma once

#include "bus/GpibCardUnit.h"
#include "bus/NI_gpib.h"

#include <array>

class TNIGpibCard final : public TGpibCard {
public:
    // Board 0 of 0..3, address 16; binds the library (see Gpib32LibraryName).
    TNIGpibCard();
    ~TNIGpibCard() override;

    void Open() override;
    void Write(const std::string& command) override;
    void Read(std::string& reply) override;
    void Close() override;

private:
    struct TStatus {
        int ibsta;
        int iberr;
        int ibcnt;
        bool Failed() const;
    };

    TStatus Status() const;
    std::array<Addr4882_t, 2> AddressList() const;
    std::string StatusMessage(const std::string& heading, const TStatus& status) const;
    void CheckStatus(const TStatus& status) const;

    TGpib32 gpib_;
};
