// tessaly-kit response IN (--standard N | --all DIR) [--start GHZ] [--stop GHZ] [--points P]
// [-o OUT] [--model M]: the modelled response of a kit's standards as Touchstone files.
#include "CliSupport.h"
#include "Commands.h"
#include "KitFormats.h"
#include "kit/CalKit.h"
#include "kit/LocaleFormat.h"
#include "kit/Utility.h"
#include "response/ResponseSweep.h"
#include "response/StandardTouchstone.h"

#include <cmath>
#include <filesystem>
#include <optional>
#include <utility>

namespace {

// Enough for any analyzer's sweep, and a bound on the memory a mistyped count can take.
constexpr int MaxSweepPoints = 1000000;

// The sweep options as given; what is not given comes from each standard's default sweep.
struct TSweepChoice {
    std::optional<double> StartGHz, StopGHz;
    std::optional<int> Points;
};

double NumberOf(const TCommandLine& commandLine, const TOption& option)
{
    double value = 0;
    if (!TryParseFloat(option.Value(), value) || !std::isfinite(value))
        commandLine.FailUsage("The value of " + option.Name() + " is no number: \"" + option.Value() + "\".");
    return value;
}

int IntegerOf(const TCommandLine& commandLine, const TOption& option)
{
    std::int32_t value = 0;
    if (!TryParseInt(option.Value(), value))
        commandLine.FailUsage("The value of " + option.Name() + " is no whole number: \"" + option.Value() + "\".");
    return value;
}

std::string GHz(double value)
{
    return FormatNumber(value, '.') + " GHz";
}

// The sweep of standard number: its default, with what was given in its place. Wrong usage
// for fewer than 2 or more than MaxSweepPoints points, a negative start or a stop not above
// the start (the frequencies of a Touchstone file ascend).
TFrequencySweep SweepOf(const TCommandLine& commandLine, const TCalKit& kit, int number, const TSweepChoice& choice)
{
    TFrequencySweep sweep = DefaultSweep(kit, number);
    sweep.StartGHz = choice.StartGHz.value_or(sweep.StartGHz);
    sweep.StopGHz = choice.StopGHz.value_or(sweep.StopGHz);
    sweep.Points = choice.Points.value_or(sweep.Points);
    if (sweep.Points < 2)
        commandLine.FailUsage("A sweep needs at least 2 points.");
    if (sweep.Points > MaxSweepPoints)
        commandLine.FailUsage("A sweep takes at most " + std::to_string(MaxSweepPoints) + " points.");
    if (sweep.StartGHz < 0)
        commandLine.FailUsage("The start frequency must not lie below 0 GHz.");
    if (sweep.StopGHz <= sweep.StartGHz)
        commandLine.FailUsage("The stop frequency (" + GHz(sweep.StopGHz) + ") of standard " + std::to_string(number) +
                              " does not lie above its start frequency (" + GHz(sweep.StartGHz) + ").");
    return sweep;
}

// The response of a defined standard over sweep; a waveguide range that reaches the cutoff fails.
TTouchstoneData ResponseOf(const TCalKit& kit, int number, const TFrequencySweep& sweep)
{
    const TStandardModel model = TStandardModel::FromStandard(kit.Standard(number));
    if (model.Medium == TMedium::Waveguide && model.Type != TStdType::None && !HasResponseAt(model, sweep.StartGHz))
        throw ETessalyError("Standard " + std::to_string(number) + " (" + kit.Standard(number).Label() +
                            ") is a waveguide standard with its cutoff at " + GHz(model.MinFreq) +
                            ": the range must start above the cutoff.");
    return StandardTouchstone(kit, number, SweepFrequencies(sweep));
}

int RunResponse(const TCliCommand& self, const std::vector<std::string>& arguments)
{
    TCommandLine commandLine(self, "Writes the modelled response of a standard of the kit in IN as Touchstone "
                                   "(.s1p, or .s2p for a thru/line) to standard output or to OUT, or that of every "
                                   "defined standard into the folder DIR.");
    commandLine.AddArgument("IN", "the kit: *.tsy, *.ck or CK_*");
    const TOption standardOption = commandLine.AddOption("--standard", "N", "the standard's number");
    const TOption startOption =
        commandLine.AddOption("--start", "GHZ", "the first frequency (default: the standard's minimum frequency)");
    const TOption stopOption = commandLine.AddOption(
        "--stop", "GHZ", "the last frequency (default: the standard's maximum frequency, for 999 the kit's top)");
    const TOption pointsOption = commandLine.AddOption("--points", "P", "the number of frequencies (default 201)");
    const TOption outputOption =
        commandLine.AddOption("-o,--output", "OUT", "write the response to OUT instead of standard output");
    const TOption allOption =
        commandLine.AddOption("--all", "DIR", "write every defined standard into DIR as std<N>_<label>.s1p|.s2p");
    const TOption modelOption = AddReaderModelOption(commandLine);
    if (!commandLine.Parse(arguments, 1, 1))
        return ExitSuccess;

    if (standardOption.IsSet() == allOption.IsSet())
        commandLine.FailUsage("Give either --standard N or --all DIR.");
    if (allOption.IsSet() && outputOption.IsSet())
        commandLine.FailUsage("--all writes its own files: -o cannot be given with it.");
    TSweepChoice choice;
    if (startOption.IsSet())
        choice.StartGHz = NumberOf(commandLine, startOption);
    if (stopOption.IsSet())
        choice.StopGHz = NumberOf(commandLine, stopOption);
    if (pointsOption.IsSet())
        choice.Points = IntegerOf(commandLine, pointsOption);
    const int number = standardOption.IsSet() ? IntegerOf(commandLine, standardOption) : 0;
    TVna* model = modelOption.IsSet() ? &commandLine.RequireModel(modelOption.Value()) : nullptr;
    const auto kit = ReadKit(commandLine, commandLine.Arguments().at(0), model);
    const int count = kit->Vna().NumStandards;

    if (standardOption.IsSet()) {
        if (number < 1 || number > count)
            commandLine.FailUsage("The standard number must lie between 1 and " + std::to_string(count) +
                                  " for the model " + kit->Vna().ModelName + ".");
        RequireDefinedStandard(*kit, number);
        const TTouchstoneData data = ResponseOf(*kit, number, SweepOf(commandLine, *kit, number, choice));
        if (outputOption.IsSet())
            WriteTouchstone(outputOption.Value(), data);
        else
            WriteOut(TouchstoneText(data));
        return ExitSuccess;
    }

    // Everything is computed before the first file is written.
    const std::string folder = allOption.Value();
    if (!DirectoryExists(folder))
        throw ETessalyError("The folder " + ToLatin1(folder) + " does not exist.");
    std::vector<std::pair<std::string, TTouchstoneData>> files;
    for (int n = 1; n <= count; ++n)
        if (kit->Standard(n).StdType() != TStdType::None)
            files.emplace_back((std::filesystem::path(folder) / StandardTouchstoneFileName(*kit, n)).string(),
                               ResponseOf(*kit, n, SweepOf(commandLine, *kit, n, choice)));
    if (files.empty())
        throw ETessalyError("The kit defines no standard: there is no response to write.");
    for (const auto& [fileName, data] : files)
        WriteTouchstone(fileName, data);
    return ExitSuccess;
}

} // namespace

const TCliCommand ResponseCommand{"response", "IN", "the modelled response of standards as Touchstone files",
                                  &RunResponse};
