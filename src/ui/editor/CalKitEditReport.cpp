// What the kit editor hands to the printed report.
#include "ui/editor/CalKitEdit.h"

#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/CalKitEnums.h"
#include "ui/components/CoreText.h"
#include "ui/editor/StandardsPage.h"

namespace {

constexpr int ClassLabelColumn = 9;

// The class assignments as the class page lists them: the class name, the standard numbers
// "A" to "G" and the class label, the columns the model does not use left empty.
TReportTable ClassTable(const TCalKit& kit)
{
    const TVna& vna = kit.Vna();
    TReportTable table;
    table.Headings.append(QString());
    for (int position = 1; position <= TStdClass::PositionCount; ++position)
        table.Headings.append(QString(QLatin1Char(static_cast<char>('A' + position - 1))));
    table.Headings.append(QStringLiteral("Standard\nClass Label"));

    for (int n = 1; n <= vna.NumClasses; ++n) {
        const TStdClass& stdClass = kit.StdClass(n);
        QStringList row{FromCore(vna.GetClassInfo(n).Name)};
        for (int position = 1; position <= TStdClass::PositionCount; ++position) {
            const int number = stdClass.GetStd(position);
            row.append(vna.ClassColumns.Contains(position + 1) && number != 0 ? QString::number(number)
                                                                               : QString());
        }
        row.append(vna.ClassColumns.Contains(ClassLabelColumn) ? FromCore(stdClass.Label()) : QString());
        table.Rows.push_back(row);
    }
    return table;
}

// The items the TRL radio groups select: "System Z0" or else "Line Z0"; "Reflect" or else
// "Thru".
QString TrlCalZ0Text(TTrlCalZ0 value)
{
    const TTrlCalZ0 shown = value == TTrlCalZ0::SystemZ0 ? TTrlCalZ0::SystemZ0 : TTrlCalZ0::LineZ0;
    return FromCore(DisplayName(TrlCalZ0DisplayNames, Ord(shown)));
}

QString TrlSetRefText(TTrlSetRef value)
{
    const TTrlSetRef shown = value == TTrlSetRef::Reflect ? TTrlSetRef::Reflect : TTrlSetRef::Thru;
    return FromCore(DisplayName(TrlSetRefDisplayNames, Ord(shown)));
}

}  // namespace

TReportTexts TCalKitEditForm::ReportTexts() const
{
    TReportTexts texts;
    texts.Standards = ReadReportTable(FStandardsPage->Grid());
    texts.Classes = ClassTable(*FKit);
    texts.TrlCalZ0 = TrlCalZ0Text(FKit->TrlCalZ0());
    texts.TrlSetRef = TrlSetRefText(FKit->TrlSetRef());
    return texts;
}
