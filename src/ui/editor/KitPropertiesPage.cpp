#include "ui/editor/KitPropertiesPage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>

#include "analyzers/Vna.h"
#include "ui/components/HistoryKeys.h"
#include "ui/components/NumEdit.h"
#include "ui/components/RadioGroup.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/editor/CellTag.h"
#include "ui/editor/PropertyEditing.h"

namespace {

// Help contexts of the controls.
constexpr int LabelHelp = 4210;
constexpr int DateHelp = 4215;
constexpr int DescriptionHelp = 4220;
constexpr int TrlCalZ0Help = 4225;
constexpr int TrlSetRefHelp = 4230;
constexpr int LowbandHelp = 4235;
constexpr int SystemZ0Help = 4240;

constexpr int NoLengthLimit = 32767;

}  // namespace

TKitPropertiesPage::TKitPropertiesPage(TCalKitEditForm& editor, QWidget* parent)
    : QScrollArea(parent), FCanvas(new QWidget), FPanel(new QWidget(FCanvas)), FHistoryKeys(new THistoryKeys(this))
{
    setObjectName(QStringLiteral("TabProperties"));
    setProperty("tag", Tag);
    setAccessibleName(tr("Cal Kit Properties"));
    setAccessibleDescription(tr("The label, description and settings of the cal kit"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    FCanvas->setObjectName(QStringLiteral("ScrollBox1"));
    FPanel->setObjectName(QStringLiteral("PropertiesPanel"));
    FPanel->setAccessibleName(tr("Cal kit properties"));
    FPanel->resize(PanelWidth, PanelHeight);

    // Created in the order of the tab stops: label, description, TRL Cal Z0, low-band
    // frequency, system Z0, TRL Set Ref.
    QLabel* labelCaption = AddCaption("lblCalKitLabel", tr("Cal Kit Label:"), LabelHelp, 48, 25);
    ediCalKitLabel = new QLineEdit(FPanel);
    ediCalKitLabel->move(48, 46);
    ediCalKitLabel->resize(225, ediCalKitLabel->sizeHint().height());
    Describe(*ediCalKitLabel, "ediCalKitLabel", 1, LabelHelp, tr("Cal Kit Label"),
             tr("The label of the kit as the VNA shows it"));
    labelCaption->setBuddy(ediCalKitLabel);

    AddCaption("lblDateCaption", tr("Date Last Modified:"), DateHelp, 320, 25);
    lblDateLastMod = new QLabel(FPanel);
    lblDateLastMod->setGeometry(320, 48, PanelWidth - 320, ediCalKitLabel->height() - 4);
    Describe(*lblDateLastMod, "lblDateLastMod", 0, DateHelp, tr("Date Last Modified"),
             tr("The date on which the kit was last saved"));

    QLabel* descriptionCaption =
        AddCaption("lblCalKitDesc", tr("Cal Kit Description:"), DescriptionHelp, 48, 98);
    memCalKitDesc = new QPlainTextEdit(FPanel);
    memCalKitDesc->setGeometry(48, 123, 473, 90);
    memCalKitDesc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memCalKitDesc->setTabChangesFocus(true);
    Describe(*memCalKitDesc, "memCalKitDesc", 2, DescriptionHelp, tr("Cal Kit Description"),
             tr("A description of the kit, kept only in this program"));
    descriptionCaption->setBuddy(memCalKitDesc);

    rgTRLCalZ0 = new TRadioGroup(QStringLiteral("rgTRLCalZ0"), tr("TRL Cal Z0:"), TPropertyEditing::TrlCalZ0Items(),
                                 FPanel);
    rgTRLCalZ0->setGeometry(48, 246, 121, 90);
    Describe(*rgTRLCalZ0, "rgTRLCalZ0", 3, TrlCalZ0Help, tr("TRL Cal Z0"),
             tr("What sets the characteristic impedance in a TRL calibration"));

    FLowbandCaption = AddCaption("lblLowbandFreq", tr("Lowband Frequency:"), LowbandHelp, 208, 246);
    ediLowbandFreq = new TNumEdit(FPanel);
    ediLowbandFreq->SetBeepOnError(true);
    ediLowbandFreq->move(208, 270);
    ediLowbandFreq->resize(81, ediLowbandFreq->sizeHint().height());
    Describe(*ediLowbandFreq, "ediLowbandFreq", 4, LowbandHelp, tr("Lowband Frequency"),
             tr("The lowest frequency of coaxial TRL calibrations, in GHz"));
    FLowbandCaption->setBuddy(ediLowbandFreq);
    FLowbandUnit = AddCaption("lblLowbandUnit", tr("(GHz)"), 0, 313, 274);

    QLabel* z0Caption = AddCaption("lblSystemZ0", tr("System Z0:"), SystemZ0Help, 185, 314);
    ediSystemZ0 = new TNumEdit(FPanel);
    ediSystemZ0->SetBeepOnError(true);
    ediSystemZ0->move(272, 310);
    ediSystemZ0->resize(57, ediSystemZ0->sizeHint().height());
    Describe(*ediSystemZ0, "ediSystemZ0", 5, SystemZ0Help, tr("System Z0"),
             tr("The characteristic impedance of the VNA's test ports, in ohms"));
    z0Caption->setBuddy(ediSystemZ0);
    AddCaption("lblSystemZ0Unit", tr("ohms"), 0, 336, 314);

    rgTRLSetRef = new TRadioGroup(QStringLiteral("rgTRLSetRef"), tr("TRL Set Ref:"),
                                  TPropertyEditing::TrlSetRefItems(), FPanel);
    rgTRLSetRef->setGeometry(400, 246, 121, 90);
    Describe(*rgTRLSetRef, "rgTRLSetRef", 6, TrlSetRefHelp, tr("TRL Set Ref"),
             tr("What sets the reference planes in a TRL calibration"));

    setWidget(FCanvas);
    for (QWidget* control : {static_cast<QWidget*>(ediCalKitLabel), static_cast<QWidget*>(memCalKitDesc),
                             static_cast<QWidget*>(ediLowbandFreq), static_cast<QWidget*>(ediSystemZ0)}) {
        WatchKeys(*control);
        FHistoryKeys->Watch(*control);
    }
    for (TRadioGroup* group : {rgTRLCalZ0, rgTRLSetRef})
        for (QRadioButton* item : group->Buttons())
            WatchKeys(*item);

    TPropertyControls controls;
    controls.Label = ediCalKitLabel;
    controls.Description = memCalKitDesc;
    controls.TrlCalZ0 = rgTRLCalZ0;
    controls.Lowband = ediLowbandFreq;
    controls.SystemZ0 = ediSystemZ0;
    controls.TrlSetRef = rgTRLSetRef;
    controls.DateLastModified = lblDateLastMod;
    FEditing = std::make_unique<TPropertyEditing>(editor, controls);
    CentrePanel();
}

TKitPropertiesPage::~TKitPropertiesPage()
{
    FEditing->Detach();
}

QLabel* TKitPropertiesPage::AddCaption(const char* name, const QString& text, int helpContext, int x, int y)
{
    auto* caption = new QLabel(text, FPanel);
    caption->setObjectName(QString::fromLatin1(name));
    caption->move(x, y);
    caption->adjustSize();
    if (helpContext != 0)
        caption->setProperty("helpContext", helpContext);
    return caption;
}

void TKitPropertiesPage::Describe(QWidget& control, const char* name, int tag, int helpContext,
                                  const QString& accessibleName, const QString& description)
{
    control.setObjectName(QString::fromLatin1(name));
    if (tag != 0)
        control.setProperty("tag", tag);
    control.setProperty("helpContext", helpContext);
    control.setAccessibleName(accessibleName);
    control.setAccessibleDescription(description);
}

void TKitPropertiesPage::WatchKeys(QWidget& control)
{
    control.installEventFilter(this);
}

// ---- Layout ------------------------------------------------------------------------------

void TKitPropertiesPage::BuildPage(const TVna& vna)
{
    {
        // A shorter limit cuts the shown text; that is no edit of the user's.
        const QSignalBlocker quiet(ediCalKitLabel);
        ediCalKitLabel->setMaxLength(vna.KitLabelLength > 0 ? vna.KitLabelLength : NoLengthLimit);
    }
    rgTRLCalZ0->setEnabled(vna.HasTrlCalZ0);
    rgTRLSetRef->setEnabled(vna.HasTrlSetRef);
    for (QWidget* lowband : {static_cast<QWidget*>(ediLowbandFreq), static_cast<QWidget*>(FLowbandCaption),
                             static_cast<QWidget*>(FLowbandUnit)})
        lowband->setEnabled(vna.HasLowband);
}

void TKitPropertiesPage::CentrePanel()
{
    const int width = viewport()->width();
    FCanvas->resize(std::max(width, PanelWidth), std::max(viewport()->height(), PanelHeight));
    FPanel->move(std::max(0, (width - PanelWidth) / 2), 0);
}

void TKitPropertiesPage::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    CentrePanel();
}

void TKitPropertiesPage::RefreshPage()
{
    FEditing->LoadProperties();
}

void TKitPropertiesPage::EnterPage()
{
    CentrePanel();
    FEditing->LoadProperties();
    ediCalKitLabel->setFocus(Qt::OtherFocusReason);
}

bool TKitPropertiesPage::RestoreTyping(int tag, const QString& text)
{
    if (TagPlace(tag) != TTagPlace::tpProperty)
        return false;
    return FEditing->RestoreTyping(tag, text);
}

bool TKitPropertiesPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enter goes on to the next control, as Tab does; it never starts a new line.
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(watched, &tab);
            return true;
        }
    }
    return QScrollArea::eventFilter(watched, event);
}
