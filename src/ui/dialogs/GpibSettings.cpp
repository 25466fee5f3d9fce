#include "ui/dialogs/GpibSettings.h"

#include "ui/dialogs/ControlNaming.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

namespace {

TGpibCard& Card(TGpibDriver driver) { return *GpibCards[driver]; }

} // namespace

TGpibSettingsForm::TGpibSettingsForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("GPIB Settings"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    setWindowIcon(QApplication::windowIcon());
    NameControl(this, QStringLiteral("GpibSettingsForm"), QStringLiteral("GPIB Settings"),
                QStringLiteral("Chooses the GPIB driver library, the board number and the analyzer's GPIB address"),
                2230);
    BuildControls();
}

void TGpibSettingsForm::BuildControls()
{
    rgGpibDriver = new QGroupBox(QStringLiteral("GPIB Software Driver"), this);
    NameControl(rgGpibDriver, QStringLiteral("rgGpibDriver"), QStringLiteral("GPIB Software Driver"),
                QStringLiteral("The driver library through which the analyzer is reached"), 8010);
    rbNI = new QRadioButton(QStringLiteral("National Instruments 488.2"), rgGpibDriver);
    NameControl(rbNI, QStringLiteral("rbNI"), QStringLiteral("National Instruments 488.2"),
                QStringLiteral("Use the NI-488.2 library; available only when it is installed"), 8010);
    rbAT = new QRadioButton(QStringLiteral("Agilent Technologies SICL"), rgGpibDriver);
    NameControl(rbAT, QStringLiteral("rbAT"), QStringLiteral("Agilent Technologies SICL"),
                QStringLiteral("Use the SICL library; available only when it is installed"), 8010);
    FDriverButtons = new QButtonGroup(this);
    FDriverButtons->addButton(rbNI, gdNI);
    FDriverButtons->addButton(rbAT, gdAT);
    connect(FDriverButtons, &QButtonGroup::idToggled, this, [this](int driver, bool checked) {
        if (checked)
            rbClick(driver);
    });
    auto* driverLayout = new QVBoxLayout(rgGpibDriver);
    driverLayout->addWidget(rbNI);
    driverLayout->addWidget(rbAT);

    spnBoard = new QSpinBox(this);
    NameControl(spnBoard, QStringLiteral("spnBoard"), QStringLiteral("GPIB Board Number"),
                QStringLiteral("Board index of the NI card or logical unit of the SICL interface"), 8015);
    spnAddress = new QSpinBox(this);
    spnAddress->setRange(0, 30);
    spnAddress->setValue(16);
    NameControl(spnAddress, QStringLiteral("spnAddress"), QStringLiteral("VNA GPIB Address"),
                QStringLiteral("Primary GPIB address of the analyzer, 0 to 30"), 8020);

    auto* boardLabel = new QLabel(QStringLiteral("GPIB Board Number:"), this);
    boardLabel->setBuddy(spnBoard);
    NameControl(boardLabel, QStringLiteral("lblBoard"), QStringLiteral("GPIB Board Number:"),
                QStringLiteral("Label of the board number"), 8015);
    auto* addressLabel = new QLabel(QStringLiteral("VNA GPIB Address:"), this);
    addressLabel->setBuddy(spnAddress);
    NameControl(addressLabel, QStringLiteral("lblAddress"), QStringLiteral("VNA GPIB Address:"),
                QStringLiteral("Label of the analyzer address"), 8020);
    auto* numbers = new QFormLayout;
    numbers->addRow(boardLabel, spnBoard);
    numbers->addRow(addressLabel, spnAddress);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    NameControl(btnOK, QStringLiteral("btnOK"), QStringLiteral("OK"),
                QStringLiteral("Make the chosen driver current with this board number and address"), 8100);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    NameControl(btnCancel, QStringLiteral("btnCancel"), QStringLiteral("Cancel"),
                QStringLiteral("Close without changing anything"), 8105);
    connect(btnOK, &QPushButton::clicked, this, &TGpibSettingsForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rgGpibDriver);
    layout->addLayout(numbers);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TGpibSettingsForm::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TGpibSettingsForm::FormShow()
{
    const TGpibCard& current = CurrentGpibCard != nullptr ? *CurrentGpibCard : Card(gdNone);
    rbNI->setEnabled(Card(gdNI).Loaded());
    rbAT->setEnabled(Card(gdAT).Loaded());
    // With the no-bus card current no button is checked; the group must allow that.
    FDriverButtons->setExclusive(false);
    rbNI->setChecked(current.Driver() == gdNI);
    rbAT->setChecked(current.Driver() == gdAT);
    FDriverButtons->setExclusive(true);
    FChosenDriver = current.Driver();
    SetBoardRange(FChosenDriver);
    spnBoard->setValue(current.Board());
    spnAddress->setValue(current.Address());
    btnCancel->setFocus();
}

void TGpibSettingsForm::rbClick(int driver)
{
    FChosenDriver = static_cast<TGpibDriver>(driver);
    SetBoardRange(FChosenDriver);
}

void TGpibSettingsForm::SetBoardRange(TGpibDriver driver)
{
    const TGpibCard& card = Card(driver);
    // A range of one value does not limit the entry: that is the no-bus card, whose board
    // the card itself keeps at 0.
    if (card.MinBoard() == card.MaxBoard())
        spnBoard->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    else
        spnBoard->setRange(card.MinBoard(), card.MaxBoard()); // brings the value into range
}

void TGpibSettingsForm::btnOKClick()
{
    TGpibCard& card = Card(FChosenDriver);
    card.SetBoard(spnBoard->value());
    card.SetAddress(spnAddress->value());
    CurrentGpibCard = &card;
    accept();
}
