// What the kit editor hands to the printed report: the two grids as they show the kit (every
// row, also the class rows the calibration type hides) and the items the TRL radio groups
// have selected.
#include "ui/editor/CalKitEdit.h"

#include "ui/components/RadioGroup.h"
#include "ui/editor/ClassesPage.h"
#include "ui/editor/KitPropertiesPage.h"
#include "ui/editor/StandardsPage.h"

namespace {

QString SelectedItem(const TRadioGroup& group)
{
    return group.ItemText(group.ItemIndex());
}

}  // namespace

TReportTexts TCalKitEditForm::ReportTexts() const
{
    TReportTexts texts;
    texts.Standards = ReadReportTable(FStandardsPage->Grid());
    texts.Classes = ReadReportTable(FClassesPage->Grid());
    texts.TrlCalZ0 = SelectedItem(FPropertiesPage->TrlCalZ0Control());
    texts.TrlSetRef = SelectedItem(FPropertiesPage->TrlSetRefControl());
    return texts;
}
