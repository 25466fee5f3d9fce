// tessaly-kit identify [--model M] [card options]: the analyzer's identification, asked the
// way the model's command set asks ("*IDN?" on the PNA models, "OUTPIDEN;" on the others).
#include "CardOptions.h"
#include "CliSupport.h"
#include "Commands.h"
#include "analyzers/Vna.h"
#include "kit/Utility.h"

namespace {

int RunIdentify(const TCliCommand& self, const std::vector<std::string>& arguments)
{
    TCommandLine commandLine(self, "Asks the analyzer for its identification and prints the reply.");
    const TOption modelOption =
        commandLine.AddOption("--model", "M", "the model whose query is used (default: catalogue entry 0, the PNA)");
    const TCardOptions cardOptions(commandLine);
    if (!commandLine.Parse(arguments, 0, 0))
        return ExitSuccess;

    TVna& vna = modelOption.IsSet() ? commandLine.RequireModel(modelOption.Value()) : *Vnas().front();
    TCardSession session(commandLine, cardOptions);
    return session.WithLog([&] {
        std::string reply;
        session.Transfer([&](TGpibCard& card) { reply = vna.Identify(card); });
        WriteOut(FromLatin1(EscapeControlCharacters(reply)) + '\n');
        return static_cast<int>(ExitSuccess);
    });
}

} // namespace

const TCliCommand IdentifyCommand{"identify", "", "the analyzer's identification reply", &RunIdentify};
