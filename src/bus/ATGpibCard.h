// The GPIB card that drives an Agilent SICL library through two connections: one on the
// interface (to clear the bus) and one on the analyzer (for the data).
#pragma once

#include "bus/AT_gpib.h"
#include "bus/GpibCardUnit.h"

#include <string>

// The operation under way ("Error in ATGpibCard.Open:" and so on): the first line of the
// message of a SICL failure. Empty until a SICL card is created.
extern std::string SiclErrorContext;

class TATGpibCard final : public TGpibCard {
public:
    // Logical unit 7 of 0..10000, address 16; binds the library (see Sicl32LibraryName).
    TATGpibCard();
    ~TATGpibCard() override;

    void Open() override;
    void Write(const std::string& command) override;
    void Read(std::string& reply) override;
    void Close() override;

    // The identifiers of the interface and analyzer connections; -1 until opened.
    Sicl::INST IntfId() const { return FIntfId; }
    Sicl::INST DevId() const { return FDevId; }

private:
    // SICL reports a failure to the installed error handler from inside the failing call.
    // The handler only records it; the card raises once the call has returned.
    void Begin(const char* context);
    template <typename R>
    R Checked(R result)
    {
        RaiseOnFailure();
        return result;
    }
    void RaiseOnFailure();

    TSicl32 sicl_;
    Sicl::INST FIntfId = -1;
    Sicl::INST FDevId = -1;
};
