// tessaly-kit describe M: the description of one analyzer model as a JSON object whose keys
// are the field names of TVna.
#include "CliSupport.h"
#include "Commands.h"
#include "analyzers/Vna.h"

#include "JsonText.h"

namespace {

template <typename Container>
nlohmann::json TextArray(const Container& texts)
{
    auto array = nlohmann::json::array();
    for (const std::string& text : texts)
        array.push_back(FromLatin1(text));
    return array;
}

template <typename Container>
nlohmann::json IntArray(const Container& numbers)
{
    auto array = nlohmann::json::array();
    for (const int n : numbers)
        array.push_back(n);
    return array;
}

nlohmann::json SetArray(const TColumnSet& set)
{
    return IntArray(set.Members());
}

nlohmann::json ClassInfoArray(const TVna& vna)
{
    auto array = nlohmann::json::array();
    for (int n = 0; n <= vna.NumClasses && n < static_cast<int>(vna.ClassInfo.size()); ++n) {
        const TStdClassInfo& info = vna.ClassInfo[static_cast<std::size_t>(n)];
        array.push_back(nlohmann::json{{"Name", FromLatin1(info.Name)},
                                 {"HelpContext", info.HelpContext},
                                 {"Code", FromLatin1(info.Code)},
                                 {"DefaultLabel", FromLatin1(info.DefaultLabel)}});
    }
    return array;
}

nlohmann::json Describe(const TVna& vna)
{
    auto stdColumns = nlohmann::json::array();
    auto stdHints = nlohmann::json::array();
    for (int type = 0; type < StdTypeCount; ++type) {
        stdColumns.push_back(SetArray(vna.StdColumns[static_cast<std::size_t>(type)]));
        stdHints.push_back(TextArray(vna.StdHints[static_cast<std::size_t>(type)]));
    }

    auto o = nlohmann::json::object();
    o["ModelIndex"] = vna.ModelIndex;
    o["ModelName"] = FromLatin1(vna.ModelName);
    o["ModelHint"] = FromLatin1(vna.ModelHint);
    o["HelpOffset"] = vna.HelpOffset;
    o["NumStandards"] = vna.NumStandards;
    o["ColumnHeadings"] = TextArray(vna.ColumnHeadings);
    o["StdTypeNames"] = TextArray(vna.StdTypeNames);
    o["ShortHasInductance"] = vna.ShortHasInductance;
    o["MaxCoefficient"] = vna.MaxCoefficient;
    o["MaxTermZ"] = vna.MaxTermZ;
    o["LoadTypeNames"] = TextArray(vna.LoadTypeNames);
    o["ArbLoadTypeNames"] = TextArray(vna.ArbLoadTypeNames);
    o["MaxOffsetDelay"] = vna.MaxOffsetDelay;
    o["MinOffsetZ0"] = vna.MinOffsetZ0;
    o["MaxOffsetZ0"] = vna.MaxOffsetZ0;
    o["MaxOffsetLoss"] = vna.MaxOffsetLoss;
    o["MediumNames"] = TextArray(vna.MediumNames);
    o["MaxMinFreq"] = vna.MaxMinFreq;
    o["MaxMaxFreq"] = vna.MaxMaxFreq;
    o["StdLabelLength"] = vna.StdLabelLength;
    o["NumClasses"] = vna.NumClasses;
    o["ClassInfo"] = ClassInfoArray(vna);
    o["ClassLabelLength"] = vna.ClassLabelLength;
    o["KitLabelLength"] = vna.KitLabelLength;
    o["HasTrlCalZ0"] = vna.HasTrlCalZ0;
    o["HasTrlSetRef"] = vna.HasTrlSetRef;
    o["HasLowband"] = vna.HasLowband;
    o["MinLowband"] = vna.MinLowband;
    o["MaxLowband"] = vna.MaxLowband;
    o["MinSystemZ0"] = vna.MinSystemZ0;
    o["MaxSystemZ0"] = vna.MaxSystemZ0;
    o["StdColumns"] = stdColumns;
    o["ClassColumns"] = SetArray(vna.ClassColumns);
    o["SoltClasses"] = SetArray(vna.SoltClasses);
    o["TrlClasses"] = SetArray(vna.TrlClasses);
    o["StdHints"] = stdHints;
    o["ClassHints"] = TextArray(vna.ClassHints);
    o["KitHints"] = TextArray(vna.KitHints);
    o["UploadNote"] = FromLatin1(vna.UploadNote);
    o["HasDiskFiles"] = vna.HasDiskFiles;
    o["DiskFilter"] = FromLatin1(vna.DiskFilter);
    o["DiskExtension"] = FromLatin1(vna.DiskExtension);
    o["DiskPrefix"] = FromLatin1(vna.DiskPrefix);
    o["DiskClassOrder"] = IntArray(vna.DiskClassOrder);
    o["DiskTrlClassOrder"] = IntArray(vna.DiskTrlClassOrder);
    o["DownloadStepCount"] = vna.DownloadStepCount;
    o["UploadStepCount"] = vna.UploadStepCount;
    o["GpibOptions"] = TextArray(vna.GpibOptions);
    o["CanUpload"] = vna.CanUpload;
    o["HasCalTypeChoice"] = vna.HasCalTypeChoice;
    o["SelectedOption"] = vna.SelectedOption;
    return o;
}

int RunDescribe(const TCliCommand& self, const std::vector<std::string>& arguments)
{
    TCommandLine commandLine(self, "Prints the description of one analyzer model as JSON.");
    commandLine.AddArgument("M", "catalogue index (0..16) or model name, e.g. 8753D/E");
    if (!commandLine.Parse(arguments, 1, 1))
        return ExitSuccess;
    const TVna& vna = commandLine.RequireModel(commandLine.Arguments().at(0));
    WriteOut(IndentedJson(Describe(vna)));
    return ExitSuccess;
}

} // namespace

const TCliCommand DescribeCommand{"describe", "M", "the description of model M as JSON", &RunDescribe};
