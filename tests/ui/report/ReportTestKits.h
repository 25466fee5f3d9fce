// The texts the editor's grids show for a kit, as the report reads them, so the report can be
// drawn without an editor window.
#pragma once

#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/LocaleFormat.h"
#include "ui/editor/KitReport.h"
#include "ui/editor/StandardCells.h"

#include <QString>
#include <stdexcept>
#include <string>

// The catalogue's model of that name.
inline TVna& Model(const char* name)
{
    TVna* vna = FindVna(name);
    if (vna == nullptr)
        throw std::runtime_error(std::string("no model ") + name);
    return *vna;
}

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
        QStringList row;
        for (int column = 1; column <= StdColumn::Count; ++column)
            row.append(Latin1(StandardCellText(kit.Standard(n), n, column, LocaleFormat().DecimalSeparator)
                                  .value_or(std::string())));
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
