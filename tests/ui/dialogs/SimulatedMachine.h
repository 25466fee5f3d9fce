// A computer as the dialogs see it: which GPIB libraries it has (the substitute ones, or a
// path where nothing is), with the three cards created for it. Everything the bus keeps for
// the run is put back at the end.
#pragma once

#include "BusTestSupport.h"

#include <string>

class SimulatedMachine {
public:
    SimulatedMachine(const std::string& niLibrary, const std::string& siclLibrary);
    ~SimulatedMachine();
    SimulatedMachine(const SimulatedMachine&) = delete;
    SimulatedMachine& operator=(const SimulatedMachine&) = delete;

    static SimulatedMachine WithBoth() { return {NiLibrary, SiclLibrary}; }

private:
    ScopedEnvironment ni_;
    ScopedEnvironment sicl_;
};
