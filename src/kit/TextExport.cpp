// The text export: the rows of standards and classes, the kit's lines and the file.
#include "kit/TextExport.h"

#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/FileImage.h"
#include "kit/LocaleFormat.h"
#include "kit/Utility.h"

#include <algorithm>

std::string ExportField(const std::string& field, char delimiter)
{
    if (field.find_first_of(std::string{delimiter, '"', '\r', '\n'}) == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string ExportFields(const std::vector<std::string>& fields, char delimiter)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += delimiter;
        line += ExportField(fields[i], delimiter);
    }
    return line;
}

std::string TStandard::AsText(char delimiter) const
{
    const TStandardValues& v = values_;
    std::vector<std::string> fields{DisplayName(StdTypeDisplayNames, Ord(v.StdType))};
    switch (v.StdType) {
    case TStdType::None:
        return ExportFields(fields, delimiter);
    case TStdType::Short:
    case TStdType::Open:
        for (double c : {v.C0, v.C1, v.C2, v.C3})
            fields.push_back(FormatNumber(c));
        break;
    case TStdType::ArbiZ:
        fields.insert(fields.end(), {FormatNumber(v.TermZ), "", "", ""});
        break;
    default:
        fields.insert(fields.end(), 4, "");
        break;
    }
    fields.push_back(DisplayName(LoadTypeDisplayNames, Ord(v.LoadType)));
    for (double x : {v.OffsetDelay, v.OffsetZ0, v.OffsetLoss, v.MinFreq, v.MaxFreq})
        fields.push_back(FormatNumber(x));
    fields.push_back(DisplayName(MediumDisplayNames, Ord(v.Medium)));
    fields.push_back(v.Label);
    return ExportFields(fields, delimiter);
}

std::string TStdClass::AsText(char delimiter) const
{
    std::vector<std::string> fields;
    for (std::int32_t n : values_.Std)
        fields.push_back(n > 0 ? std::to_string(n) : std::string());
    fields.push_back(values_.Label);
    return ExportFields(fields, delimiter);
}

void TCalKit::WriteText(TStringList& lines, char delimiter) const
{
    const TVna& vna = *vna_;
    const auto field = [delimiter](const std::string& text) { return ExportField(text, delimiter); };
    lines.clear();
    lines.push_back(field(label_));
    lines.push_back(field(FormatLongDate(dateLastModified_)));
    lines.push_back(field(description_));
    lines.emplace_back();

    lines.emplace_back("Standard Definitions");
    std::vector<std::string> headings = vna.ColumnHeadings;
    for (std::string& heading : headings)
        std::replace(heading.begin(), heading.end(), '\r', ' ');
    lines.push_back(ExportFields(headings, delimiter));
    for (int n = 1; n <= UsedRecords(vna.NumStandards); ++n)
        lines.push_back(field("#" + std::to_string(n)) + delimiter + Standard(n).AsText(delimiter));
    lines.emplace_back();

    lines.emplace_back("Class Assignments");
    lines.push_back(ExportFields({"", "A", "B", "C", "D", "E", "F", "G", "Standard Class Label"}, delimiter));
    for (int m = 1; m <= UsedRecords(vna.NumClasses); ++m)
        lines.push_back(field(vna.GetClassInfo(m).Name) + delimiter + StdClass(m).AsText(delimiter));
    lines.emplace_back();

    lines.push_back(field("VNA = " + vna.ModelName));
    lines.push_back(field("System Z0 = " + FormatNumber(systemZ0_) + " ohm"));
    lines.push_back(field("TRL Set Ref = " + DisplayName(TrlSetRefDisplayNames, Ord(trlSetRef_))));
    lines.push_back(field("TRL Cal Z0 = " + DisplayName(TrlCalZ0DisplayNames, Ord(trlCalZ0_))));
    lines.push_back(field("TRL Lowband Frequency = " + FormatNumber(lowbandFrequency_) + " GHz"));
}

std::string ExportTextImage(const TCalKit& kit, char delimiter)
{
    TStringList lines;
    kit.WriteText(lines, delimiter);
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

void ExportText(const TCalKit& kit, const std::string& fileName, char delimiter)
{
    const std::string text = ExportTextImage(kit, delimiter);
    SaveFileImage(fileName, TConstByteSpan(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}
