// The texts the editor's grids would show for a kit, as the report reads them, so the report
// can be drawn without an editor window.
#pragma once

#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/LocaleFormat.h"
#include "ui/editor/KitReport.h"

#include <QString>

inline QString Latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline TReportTexts ReportTextsOf(const TCalKit& kit)
{
    const TVna& vna = kit.Vna();
    TReportTexts texts;
    for (const std::string& heading : vna.ColumnHeadings)
        texts.Standards.Headings.append(Latin1(heading));
    for (int n = 1; n <= vna.NumStandards; ++n) {
        const TStandard& s = kit.Standard(n);
        const TColumnSet columns = vna.GetStdColumns(s.StdType());
        const auto cell = [&](int column, const std::string& text) {
            return columns.Contains(column) ? Latin1(text) : QString();
        };
        const auto number = [&](int column, double value) { return cell(column, FormatNumber(value)); };
        const std::size_t type = static_cast<std::size_t>(s.StdType());
        QStringList row{QStringLiteral("#%1").arg(n),
                        s.StdType() == TStdType::None ? QString() : Latin1(vna.StdTypeNames.at(type)),
                        number(3, s.StdType() == TStdType::ArbiZ ? s.TermZ() : s.C0()),
                        number(4, s.C1()),
                        number(5, s.C2()),
                        number(6, s.C3()),
                        cell(7, vna.LoadTypeNames.at(static_cast<std::size_t>(s.LoadType()))),
                        number(8, s.OffsetDelay()),
                        number(9, s.OffsetZ0()),
                        number(10, s.OffsetLoss()),
                        number(11, s.MinFreq()),
                        number(12, s.MaxFreq()),
                        cell(13, vna.MediumNames.at(static_cast<std::size_t>(s.Medium()))),
                        cell(14, s.Label())};
        texts.Standards.Rows.push_back(row);
    }

    texts.Classes.Headings = QStringList{QString(), "A", "B", "C", "D", "E", "F", "G", "Standard\nClass Label"};
    for (int n = 1; n <= vna.NumClasses; ++n) {
        const TStdClass& k = kit.StdClass(n);
        QStringList row{Latin1(vna.GetClassInfo(n).Name)};
        for (int i = 1; i <= TStdClass::PositionCount; ++i)
            row.append(vna.ClassColumns.Contains(i + 1) && k.GetStd(i) != 0 ? QString::number(k.GetStd(i))
                                                                               : QString());
        row.append(vna.ClassColumns.Contains(9) ? Latin1(k.Label()) : QString());
        texts.Classes.Rows.push_back(row);
    }
    texts.TrlCalZ0 = kit.TrlCalZ0() == TTrlCalZ0::SystemZ0 ? QStringLiteral("System Z0") : QStringLiteral("Line Z0");
    texts.TrlSetRef = kit.TrlSetRef() == TTrlSetRef::Reflect ? QStringLiteral("Reflect") : QStringLiteral("Thru");
    return texts;
}
