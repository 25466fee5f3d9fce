// A computer as the dialogs see it: which GPIB libraries it has (the substitute ones, or a
// path where nothing is), with the three cards created for it. What the bus keeps for the
// run is put back at the end.
#pragma once

#include "BusTestSupport.h"

class SimulatedMachine {
public:
    SimulatedMachine(const std::string& niLibrary, const std::string& siclLibrary)
        : ni_("TESSALY_GPIB32_LIBRARY", niLibrary), sicl_("TESSALY_SICL_LIBRARY", siclLibrary)
    {
        CreateGpibCards();
    }
    ~SimulatedMachine()
    {
        FreeGpibCards();
        LogGpib = NoGpib = false;
        SetGpibLogSink({});
    }

private:
    ScopedEnvironment ni_;
    ScopedEnvironment sicl_;
};
