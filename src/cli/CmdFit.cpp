// tessaly-kit fit KIT --standard N --measured FILE [--free LIST] -o OUT [--model M]: fits one
// standard of a kit to a measured Touchstone file and writes the kit with that standard changed.
#include "CliSupport.h"
#include "Commands.h"
#include "KitFormats.h"
#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/Utility.h"
#include "response/StandardFit.h"
#include "response/Touchstone.h"

namespace {

std::string KeyList()
{
    std::string keys;
    for (int i = 0; i < FitParameterCount; ++i)
        keys += (i == 0 ? "" : ",") + std::string(FitParameterKey(static_cast<TFitParameter>(i)));
    return keys;
}

std::vector<TFitParameter> ParseFreeList(const TCommandLine& commandLine, const std::string& list)
{
    std::vector<TFitParameter> free;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string key = Trim(std::string_view(list).substr(start, comma - start));
        const auto parameter = FitParameterFromKey(key);
        if (!parameter)
            commandLine.FailUsage("Unknown value '" + key + "' in --free; choose from " + KeyList() + ".");
        free.push_back(*parameter);
        start = comma + 1;
    }
    return free;
}

int RunFit(const TCliCommand& self, const std::vector<std::string>& arguments)
{
    TCommandLine commandLine(self, "Fits standard N of the kit in KIT to the measurement in FILE (.s1p for a "
                                   "one-port standard, .s2p for a thru/line), writes the kit with that standard "
                                   "changed to OUT and prints the fitted values. Nothing is written when the fit "
                                   "fails.");
    commandLine.AddArgument("KIT", "the kit: *.tsy, *.ck or CK_*");
    const TOption standardOption = commandLine.AddOption("--standard", "N", "the standard to fit, 1 to the model's count");
    const TOption measuredOption = commandLine.AddOption("--measured", "FILE", "the measured Touchstone file");
    const TOption freeOption = commandLine.AddOption(
        "--free", "LIST",
        "the values to fit, comma-separated from " + KeyList() +
            " (default: the polynomial of an open, or of a short that has one; delay,loss for a thru/line; else "
            "delay)");
    const TOption outputOption = commandLine.AddOption("-o,--output", "OUT", "the kit file to write");
    const TOption modelOption = AddReaderModelOption(commandLine);
    if (!commandLine.Parse(arguments, 1, 1))
        return ExitSuccess;

    for (const TOption* required : {&standardOption, &measuredOption, &outputOption})
        if (!required->IsSet())
            commandLine.FailUsage(required->Name() + " is required.");
    const TKitFormat outFormat = RequireFormat(commandLine, outputOption.Value());
    const int number = commandLine.RequireNumber(standardOption);
    std::vector<TFitParameter> free;
    if (freeOption.IsSet())
        free = ParseFreeList(commandLine, freeOption.Value());
    TVna* model = modelOption.IsSet() ? &commandLine.RequireModel(modelOption.Value()) : nullptr;

    auto kit = ReadKit(commandLine, commandLine.Arguments().at(0), model);
    if (number < 1 || number > kit->Vna().NumStandards)
        commandLine.FailUsage("The standard number must lie between 1 and " +
                              std::to_string(kit->Vna().NumStandards) + " for the model " +
                              FromLatin1(kit->Vna().ModelName) + ".");
    TStandard& standard = kit->Standard(number);
    if (free.empty())
        free = DefaultFreeParameters(standard);

    const TTouchstoneData measured = ReadTouchstone(measuredOption.Value());
    const TFitResult result = FitStandard(standard, measured, free);
    const std::string report = FromLatin1(FitReport(result));
    if (!result.Converged) {
        WriteOut(report);
        throw ETessalyError("The fit did not converge; nothing was written.");
    }
    ApplyFit(standard, result);
    WriteKit(*kit, outputOption.Value(), outFormat);
    WriteOut(report);
    return ExitSuccess;
}

} // namespace

const TCliCommand FitCommand{"fit", "KIT", "fits a standard to a measured Touchstone file", &RunFit};
