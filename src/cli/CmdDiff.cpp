// tessaly-kit diff A B [--model M] [--tolerance REL] [--json]: every difference between two
// kits, one line each; exit status 0 when they are equal, 1 when they differ, 2 on wrong
// usage or when a file cannot be read, as diff(1) has it.
#include "CliSupport.h"
#include "Commands.h"
#include "JsonText.h"
#include "KitFormats.h"
#include "compare/KitComparison.h"
#include "kit/CalKit.h"
#include "kit/Utility.h"

#include <cmath>

namespace {

// The rules of the way the file's values took: exact for a kit file, the disk file's rounding
// and what it keeps, read by the model that read it.
TCompareRules RulesOfFile(const std::string& fileName, const TCalKit& kit)
{
    const auto format = FormatOfName(fileName);
    if (format == TKitFormat::Disk8753 || format == TKitFormat::Disk8510)
        return TCompareRules::DiskFile(kit.Vna());
    return TCompareRules::KitFile();
}

double RequireTolerance(const TCommandLine& commandLine, const TOption& option)
{
    double value = 0;
    if (!TryParseFloat(option.Value(), value) || !std::isfinite(value) || value < 0 || value >= 1)
        commandLine.FailUsage("--tolerance takes a relative tolerance from 0 up to below 1, such as 1e-6; not \"" +
                              option.Value() + "\".");
    return value;
}

nlohmann::json AsJson(const std::vector<TKitDifference>& differences)
{
    nlohmann::json list = nlohmann::json::array();
    for (const TKitDifference& d : differences)
        list.push_back({{"where", FromLatin1(d.Where)},
                        {"field", FromLatin1(d.Field)},
                        {"left", FromLatin1(d.Left)},
                        {"right", FromLatin1(d.Right)},
                        {"unit", d.Unit}});
    return list;
}

int RunDiff(const TCliCommand& self, const std::vector<std::string>& arguments)
{
    TCommandLine commandLine(self, "Compares the kits in A and B (*.tsy, *.ck or CK_*) and prints every difference, "
                                   "one line each: where, field, A's value -> B's value, unit. Only what both files "
                                   "can hold is compared; numbers count as equal within the rounding of a disk "
                                   "file. Exit status 0: equal, 1: different, 2: wrong usage or a file that cannot "
                                   "be read.");
    commandLine.AddArgument("A", "the first kit");
    commandLine.AddArgument("B", "the second kit");
    const TOption modelOption = AddReaderModelOption(commandLine);
    const TOption toleranceOption = commandLine.AddOption(
        "--tolerance", "REL", "numbers also count as equal when they differ by at most REL of the larger one");
    const TOption jsonOption = commandLine.AddFlag("--json", "print the differences as a JSON array");
    if (!commandLine.Parse(arguments, 2, 2))
        return ExitSuccess;

    TVna* model = modelOption.IsSet() ? &commandLine.RequireModel(modelOption.Value()) : nullptr;
    const double tolerance = toleranceOption.IsSet() ? RequireTolerance(commandLine, toleranceOption) : 0;
    const std::vector<std::string>& files = commandLine.Arguments();
    std::unique_ptr<TCalKit> a, b;
    try {
        a = ReadKit(commandLine, files.at(0), model);
        b = ReadKit(commandLine, files.at(1), model);
    } catch (const EFileTrouble& error) {
        PrintMessage(FromLatin1(error.Message()));
        return ExitUsage; // trouble, not a difference
    }
    const TCompareRules rules =
        RulesOfFile(files.at(0), *a).CombinedWith(RulesOfFile(files.at(1), *b)).WithRelativeTolerance(tolerance);
    const std::vector<TKitDifference> differences = CompareKits(*a, *b, rules);
    if (jsonOption.IsSet()) {
        WriteOut(IndentedJson(AsJson(differences)));
    } else {
        for (const TKitDifference& d : differences)
            WriteOut(FromLatin1(DifferenceLine(d)) + "\n");
    }
    return differences.empty() ? ExitSuccess : ExitFailure;
}

} // namespace

const TCliCommand DiffCommand{"diff", "A B", "lists the differences between two kits", &RunDiff};
