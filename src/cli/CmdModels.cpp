// tessaly-kit models: the catalogue, one line per model, "index TAB ModelName".
#include "CliSupport.h"
#include "Commands.h"
#include "analyzers/Vna.h"

namespace {

int RunModels(const TCliCommand& self, const std::vector<std::string>& arguments)
{
    TCommandLine commandLine(self, "Lists the analyzer models of the catalogue: index TAB name.");
    if (!commandLine.Parse(arguments, 0, 0))
        return ExitSuccess;
    std::string out;
    for (const auto& vna : Vnas())
        out += std::to_string(vna->ModelIndex) + '\t' + FromLatin1(vna->ModelName) + '\n';
    WriteOut(out);
    return ExitSuccess;
}

} // namespace

const TCliCommand ModelsCommand{"models", "", "the analyzer models, index TAB name", &RunModels};
