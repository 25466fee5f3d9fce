#include "ui/editor/PropertyEditing.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "kit/CalKit.h"
#include "kit/LocaleFormat.h"
#include "kit/Utility.h"
#include "ui/components/CoreText.h"
#include "ui/components/NumEdit.h"
#include "ui/components/RadioGroup.h"
#include "ui/components/UserLocale.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/editor/PropertyTexts.h"

namespace {

enum TPropertyTag { ptLabel = 1, ptDescription, ptTrlCalZ0, ptLowband, ptSystemZ0, ptTrlSetRef, ptCalType };

const QString LineZ0Item = QStringLiteral("Line Z0");
const QString SystemZ0Item = QStringLiteral("System Z0");
const QString ThruItem = QStringLiteral("Thru");
const QString ReflectItem = QStringLiteral("Reflect");
const QString SoltItem = QStringLiteral("SOLT cal");
const QString TrlItem = QStringLiteral("TRL cal");

// The kit keeps the description's line breaks as the kit file has them (carriage return and
// line feed); the edit shows line feeds.
QString DescriptionForEdit(const std::string& description)
{
    QString text = FromCore(description);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString DescriptionForKit(const QString& shown)
{
    QString text = shown;
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

}  // namespace

QStringList TPropertyEditing::TrlCalZ0Items()
{
    return {LineZ0Item, SystemZ0Item};
}

QStringList TPropertyEditing::TrlSetRefItems()
{
    return {ThruItem, ReflectItem};
}

QStringList TPropertyEditing::CalTypeItems()
{
    return {SoltItem, TrlItem};
}

TPropertyEditing::TPropertyEditing(TCalKitEditForm& editor, const TPropertyControls& controls, QObject* parent)
    : QObject(parent), FEditor(editor), FControls(controls)
{
    for (int tag = FirstTag; tag <= LastTag; ++tag)
        Connect(tag);
    connect(qApp, &QApplication::focusChanged, this, &TPropertyEditing::FocusChanged);
}

void TPropertyEditing::AttachCalType(TRadioGroup& control, std::function<void()> calTypeApplied)
{
    FControls.CalType = &control;
    FCalTypeApplied = std::move(calTypeApplied);
    Connect(CalTypeTag);
}

void TPropertyEditing::Detach()
{
    disconnect(qApp, &QApplication::focusChanged, this, &TPropertyEditing::FocusChanged);
}

void TPropertyEditing::Connect(int tag)
{
    const auto change = [this, tag] { PropertyChange(tag); };
    if (tag == ptLabel && FControls.Label)
        connect(FControls.Label, &QLineEdit::textChanged, this, change);
    else if (tag == ptDescription && FControls.Description)
        connect(FControls.Description, &QPlainTextEdit::textChanged, this, change);
    else if (tag == ptLowband && FControls.Lowband)
        connect(FControls.Lowband, &TNumEdit::Changed, this, change);
    else if (tag == ptSystemZ0 && FControls.SystemZ0)
        connect(FControls.SystemZ0, &TNumEdit::Changed, this, change);
    else if (TRadioGroup* group = RadioGroup(tag))
        connect(group, &TRadioGroup::Clicked, this, [this, tag](int previous) { RadioChange(tag, previous); });
}

TRadioGroup* TPropertyEditing::RadioGroup(int tag) const
{
    switch (tag) {
    case ptTrlCalZ0:
        return FControls.TrlCalZ0;
    case ptTrlSetRef:
        return FControls.TrlSetRef;
    case ptCalType:
        return FControls.CalType;
    default:
        return nullptr;
    }
}

QWidget* TPropertyEditing::Control(int tag) const
{
    switch (tag) {
    case ptLabel:
        return FControls.Label;
    case ptDescription:
        return FControls.Description;
    case ptLowband:
        return FControls.Lowband;
    case ptSystemZ0:
        return FControls.SystemZ0;
    default:
        return RadioGroup(tag);
    }
}

int TPropertyEditing::TagOf(const QObject* widget) const
{
    if (!widget)
        return 0;
    for (int tag = FirstTag; tag <= LastTag; ++tag) {
        const QWidget* control = Control(tag);
        if (!control)
            continue;
        if (control == widget)
            return tag;
        if (const TRadioGroup* group = RadioGroup(tag); group && group->IsItem(widget))
            return tag;
    }
    return 0;
}

QString TPropertyEditing::ControlText(int tag) const
{
    if (const TRadioGroup* group = RadioGroup(tag))
        return QString::number(group->ItemIndex());
    switch (tag) {
    case ptLabel:
        return FControls.Label ? FControls.Label->text() : QString();
    case ptDescription:
        return FControls.Description ? DescriptionForKit(FControls.Description->toPlainText()) : QString();
    case ptLowband:
        return FControls.Lowband ? FControls.Lowband->text() : QString();
    case ptSystemZ0:
        return FControls.SystemZ0 ? FControls.SystemZ0->text() : QString();
    default:
        return QString();
    }
}

// ---- Showing and applying the kit's values -------------------------------------------------

void TPropertyEditing::LoadProperties()
{
    FPropertyEventsOn = false;
    const TCalKit& kit = FEditor.Kit();
    const char separator = UserDecimalSeparator();
    if (FControls.Label)
        FControls.Label->setText(FromCore(kit.Label()));
    if (FControls.DateLastModified)
        FControls.DateLastModified->setText(FromCore(FormatLongDate(kit.DateLastModified())));
    if (FControls.Description) {
        const QString description = DescriptionForEdit(kit.Description());
        if (FControls.Description->toPlainText() != description)
            FControls.Description->setPlainText(description);
    }
    if (FControls.Lowband)
        FControls.Lowband->setText(FromCore(LowbandText(kit.LowbandFrequency(), separator)));
    if (FControls.SystemZ0)
        FControls.SystemZ0->setText(FromCore(SystemZ0Text(kit.SystemZ0(), separator)));
    if (FControls.TrlCalZ0)
        FControls.TrlCalZ0->SetItemIndex(
            FControls.TrlCalZ0->IndexOf(kit.TrlCalZ0() == TTrlCalZ0::SystemZ0 ? SystemZ0Item : LineZ0Item));
    if (FControls.TrlSetRef)
        FControls.TrlSetRef->SetItemIndex(
            FControls.TrlSetRef->IndexOf(kit.TrlSetRef() == TTrlSetRef::Reflect ? ReflectItem : ThruItem));
    if (FControls.CalType)
        FControls.CalType->SetItemIndex(FControls.CalType->IndexOf(kit.CalType() == ctTrl ? TrlItem : SoltItem));
    FPropertyEventsOn = true;
}

bool TPropertyEditing::ApplyProperty(int tag, const QString& text)
{
    TCalKit& kit = FEditor.Kit();
    const std::string value = ToCore(text);
    const auto item = [this, tag, &value] {
        const TRadioGroup* group = RadioGroup(tag);
        return group ? group->ItemText(ParseIntOrZero(value)) : QString();
    };
    switch (tag) {
    case ptLabel:
        kit.SetLabel(value);
        return true;
    case ptDescription:
        kit.SetDescription(value);
        return true;
    case ptTrlCalZ0:
        kit.SetTrlCalZ0(item().startsWith(QLatin1Char('S')) ? TTrlCalZ0::SystemZ0 : TTrlCalZ0::LineZ0);
        return true;
    case ptLowband:
        kit.SetLowbandFrequency(ParseFloatOrZero(value, UserDecimalSeparator()));
        return true;
    case ptSystemZ0:
        kit.SetSystemZ0(ParseFloatOrZero(value, UserDecimalSeparator()));
        return true;
    case ptTrlSetRef:
        kit.SetTrlSetRef(item().startsWith(QLatin1Char('R')) ? TTrlSetRef::Reflect : TTrlSetRef::Thru);
        return true;
    case ptCalType:
        kit.SetCalType(item().startsWith(QLatin1Char('T')) ? ctTrl : ctSolt);
        if (FCalTypeApplied)
            FCalTypeApplied();
        return true;
    default:
        return false;
    }
}

bool TPropertyEditing::RestoreTyping(int tag, const QString& text)
{
    if (tag < FirstTag || tag > LastTag)
        return false;
    QWidget* control = Control(tag);
    // The page that shows the control comes to the front.
    QTabWidget& pages = FEditor.PageControl();
    for (int index = 0; control && index < pages.count(); ++index)
        if (pages.widget(index)->isAncestorOf(control))
            pages.setCurrentIndex(index);
    FEditor.SetEditStartText(text);
    ApplyProperty(tag, text);
    LoadProperties();
    FocusControl(tag);
    return true;
}

void TPropertyEditing::FocusControl(int tag)
{
    if (TRadioGroup* group = RadioGroup(tag))
        group->FocusItem();
    else if (QWidget* control = Control(tag))
        control->setFocus(Qt::OtherFocusReason);
}

// ---- The focus and the changes of the controls --------------------------------------------

void TPropertyEditing::FocusChanged(QWidget* old, QWidget* now)
{
    const int left = TagOf(old);
    const int entered = TagOf(now);
    if (left == entered)
        return;
    if (left != 0)
        PropertyExit();
    if (entered != 0)
        PropertyEnter(entered);
}

void TPropertyEditing::PropertyEnter(int tag)
{
    FEditor.SetStatusText(FromCore(FEditor.Kit().Vna().GetKitHint(tag)));
    FEditor.SetEditStartText(ControlText(tag));
    FPropertyEventsOn = true;
    FEditor.UndoHistory().SetTypingInProgress(false);
}

void TPropertyEditing::PropertyChange(int tag)
{
    if (!FPropertyEventsOn)
        return;
    const QString text = ControlText(tag);
    FEditor.RecordTyping(FEditor.EditStartText(), text, tag);
    FEditor.SetEditStartText(text);
    ApplyProperty(tag, text);
}

void TPropertyEditing::RadioChange(int tag, int previousIndex)
{
    if (!FPropertyEventsOn)
        return;
    // Every choice of an item is a step of its own; the item chosen before is what the
    // control showed, whether or not it held the focus.
    FEditor.UndoHistory().SetTypingInProgress(false);
    const QString text = ControlText(tag);
    FEditor.RecordTyping(QString::number(previousIndex), text, tag);
    FEditor.SetEditStartText(text);
    ApplyProperty(tag, text);
}

void TPropertyEditing::PropertyExit()
{
    LoadProperties();
    FEditor.UndoHistory().SetTypingInProgress(false);
}
