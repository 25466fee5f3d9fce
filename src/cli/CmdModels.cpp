// tessaly-kit models: the catalogue, one line per model, "index TAB ModelName".
#include "CliSupport.h"
#include "Commands.h"
#include "analyzers/Vna.h"

namespace {

int RunModels(const TCliCommand& self, const QStringList& arguments)
{
    TCommandLine commandLine(self, QStringLiteral("Lists the analyzer models of the catalogue: index TAB name."));
    if (!commandLine.Parse(arguments, 0, 0))
        return ExitSuccess;
    QString out;
    for (const auto& vna : Vnas())
        out += QStringLiteral("%1\t%2\n").arg(static_cast<int>(vna->ModelIndex)).arg(FromLatin1(vna->ModelName));
    WriteOut(out);
    return ExitSuccess;
}

} // namespace

const TCliCommand ModelsCommand{"models", "", "the analyzer models, index TAB name", &RunModels};
