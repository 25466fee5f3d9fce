// tessaly-kit send IN [card options] [--option N]: sends a kit to the analyzer of the kit's
// model.
#include "CardOptions.h"
#include "CliSupport.h"
#include "Commands.h"
#include "KitFormats.h"
#include "TransferProgress.h"
#include "analyzers/Vna.h"
#include "kit/CalKit.h"

namespace {

int RunSend(const TCliCommand& self, const std::vector<std::string>& arguments)
{
    TCommandLine commandLine(self, "Sends the kit in IN (*.tsy, *.ck or CK_*) to the analyzer of the kit's model. "
                                   "Ctrl-C aborts between two steps.");
    commandLine.AddArgument("IN", "the kit to send");
    const TCardOptions cardOptions(commandLine);
    const TOption option = AddGpibOption(commandLine);
    if (!commandLine.Parse(arguments, 1, 1))
        return ExitSuccess;

    auto kit = ReadKit(commandLine, commandLine.Arguments().at(0), nullptr);
    ApplyGpibOption(commandLine, option, kit->Vna());
    TCardSession session(commandLine, cardOptions);
    return session.WithLog([&] {
        TTransferProgress progress("Sending", kit->DownloadSteps());
        session.Transfer([&](TGpibCard& card) { kit->Vna().DownloadKit(*kit, card, progress.Procedure()); });
        return static_cast<int>(ExitSuccess);
    });
}

} // namespace

const TCliCommand SendCommand{"send", "IN", "sends a kit to the analyzer over GPIB", &RunSend};
