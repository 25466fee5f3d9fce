// The tool as the transfer tests run it: both substitute libraries bound, no fault variable
// of the simulated analyzer inherited, and the analyzer's memory in a folder of the test's own.
#pragma once

#include "KitRun.h"
#include "TempFolder.h"

#include <string>
#include <vector>

// The tool with both substitute libraries bound and the analyzer's memory in the folder.
template <typename Base>
class TSimTool : public Base {
protected:
    TSimTool()
    {
        std::erase_if(env, [](const auto& entry) { return entry.first.rfind("TESSALY_SIM_", 0) == 0; });
        env["TESSALY_GPIB32_LIBRARY"] = TESSALY_SIM_NI_LIBRARY;
        env["TESSALY_SICL_LIBRARY"] = TESSALY_SIM_SICL_LIBRARY;
        env["TESSALY_SIM_STATE"] = folder.File("analyzer.state");
    }
    TKitRun kit(const std::vector<std::string>& arguments) const { return Kit(arguments, env); }

    TTempFolder folder;
    TEnvironment env = SystemEnvironment();
};
