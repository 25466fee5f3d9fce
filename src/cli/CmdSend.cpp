// tessaly-kit send IN [card options] [--option N] [--verify]: sends a kit to the analyzer of
// the kit's model; with --verify reads it back with the same card and compares.
#include "CardOptions.h"
#include "CliSupport.h"
#include "Commands.h"
#include "KitFormats.h"
#include "TransferProgress.h"
#include "analyzers/Vna.h"
#include "compare/SendVerification.h"
#include "kit/CalKit.h"

namespace {

// Reads the analyzer's kit with the session's card and prints what it holds otherwise than
// sent, or that it holds what was sent. Failure when it holds anything else.
int Verify(TCardSession& session, const TCalKit& sent)
{
    TVna& vna = sent.Vna();
    auto held = TCalKit::Create(vna);
    {
        TTransferProgress progress("Verifying", held->UploadSteps());
        session.Transfer([&](TGpibCard& card) { vna.UploadKit(*held, card, progress.Procedure()); });
    }
    const std::vector<TKitDifference> differences = CompareKits(sent, *held, TCompareRules::ReadBack(vna));
    if (differences.empty()) {
        WriteOut(KitVerifiedMessage + '\n');
        return ExitSuccess;
    }
    for (const TKitDifference& d : differences)
        WriteOut(FromLatin1(DifferenceLine(d)) + '\n');
    return ExitFailure;
}

int RunSend(const TCliCommand& self, const std::vector<std::string>& arguments)
{
    TCommandLine commandLine(self, "Sends the kit in IN (*.tsy, *.ck or CK_*) to the analyzer of the kit's model. "
                                   "Ctrl-C aborts between two steps.");
    commandLine.AddArgument("IN", "the kit to send");
    const TCardOptions cardOptions(commandLine);
    const TOption option = AddGpibOption(commandLine);
    const TOption verify = commandLine.AddFlag(
        "--verify", "then read the kit back with the same card and print each value the analyzer holds otherwise "
                    "(exit status 1 when there is any), as far as the model reads back");
    if (!commandLine.Parse(arguments, 1, 1))
        return ExitSuccess;

    auto kit = ReadKit(commandLine, commandLine.Arguments().at(0), nullptr);
    ApplyGpibOption(commandLine, option, kit->Vna());
    if (verify.IsSet() && !CanVerifySend(kit->Vna()))
        commandLine.FailUsage("A send to the model " + FromLatin1(kit->Vna().ModelName) +
                              " cannot be verified: it cannot read a kit back.");
    TCardSession session(commandLine, cardOptions);
    return session.WithLog([&] {
        {
            TTransferProgress progress("Sending", kit->DownloadSteps());
            session.Transfer([&](TGpibCard& card) { kit->Vna().DownloadKit(*kit, card, progress.Procedure()); });
        }
        return verify.IsSet() ? Verify(session, *kit) : static_cast<int>(ExitSuccess);
    });
}

} // namespace

const TCliCommand SendCommand{"send", "IN", "sends a kit to the analyzer over GPIB", &RunSend};
