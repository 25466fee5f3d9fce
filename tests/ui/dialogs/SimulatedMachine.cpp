#include "SimulatedMachine.h"

SimulatedMachine::SimulatedMachine(const std::string& niLibrary, const std::string& siclLibrary)
    : ni_("TESSALY_GPIB32_LIBRARY", niLibrary), sicl_("TESSALY_SICL_LIBRARY", siclLibrary)
{
    CreateGpibCards();
}

SimulatedMachine::~SimulatedMachine()
{
    FreeGpibCards();
    LogGpib = false;
    NoGpib = false;
    SetGpibLogSink({});
}
