#include "ui/dialogs/GpibSettings.h"

#include "bus/NetworkCard.h"
#include "ui/compare/CompareHelp.h"
#include "ui/dialogs/ControlNaming.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

namespace {

TGpibCard& Card(TGpibDriver driver) { return *GpibCards[driver]; }

bool IsNetwork(TGpibDriver driver) { return driver == gdLan || driver == gdPrologix; }

TNetworkCard& NetworkCard(TGpibDriver driver) { return *AsNetworkCard(&Card(driver)); }

// The longest host name the name service takes.
constexpr int HostNameLimit = 253;

} // namespace

TGpibSettingsForm::TGpibSettingsForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("GPIB Settings"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    setWindowIcon(QApplication::windowIcon());
    NameControl(this, QStringLiteral("GpibSettingsForm"), QStringLiteral("GPIB Settings"),
                QStringLiteral("Chooses the GPIB driver library or the network connection, the board number, the "
                               "analyzer's GPIB address and the network host and port"),
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
    rbLan = new QRadioButton(QStringLiteral("LAN (PNA SCPI socket)"), rgGpibDriver);
    NameControl(rbLan, QStringLiteral("rbLan"), QStringLiteral("LAN (PNA SCPI socket)"),
                QStringLiteral("Reach a PNA over its LAN port; needs no driver library"), 8010);
    rbPrologix = new QRadioButton(QStringLiteral("Prologix GPIB-Ethernet controller"), rgGpibDriver);
    NameControl(rbPrologix, QStringLiteral("rbPrologix"), QStringLiteral("Prologix GPIB-Ethernet controller"),
                QStringLiteral("Reach the analyzer through a Prologix GPIB-Ethernet controller; needs no driver library"),
                8010);
    FDriverButtons = new QButtonGroup(this);
    FDriverButtons->addButton(rbNI, gdNI);
    FDriverButtons->addButton(rbAT, gdAT);
    FDriverButtons->addButton(rbLan, gdLan);
    FDriverButtons->addButton(rbPrologix, gdPrologix);
    connect(FDriverButtons, &QButtonGroup::idToggled, this, [this](int driver, bool checked) {
        if (checked)
            rbClick(driver);
    });
    auto* driverLayout = new QVBoxLayout(rgGpibDriver);
    driverLayout->addWidget(rbNI);
    driverLayout->addWidget(rbAT);
    driverLayout->addWidget(rbLan);
    driverLayout->addWidget(rbPrologix);

    spnBoard = new QSpinBox(this);
    NameControl(spnBoard, QStringLiteral("spnBoard"), QStringLiteral("GPIB Board Number"),
                QStringLiteral("Board index of the NI card or logical unit of the SICL interface"), 8015);
    spnAddress = new QSpinBox(this);
    spnAddress->setRange(0, 30);
    spnAddress->setValue(16);
    NameControl(spnAddress, QStringLiteral("spnAddress"), QStringLiteral("VNA GPIB Address"),
                QStringLiteral("Primary GPIB address of the analyzer, 0 to 30"), 8020);

    edtHost = new QLineEdit(this);
    edtHost->setMaxLength(HostNameLimit);
    // A host name, an IPv4 address or an IPv6 address (with its zone).
    edtHost->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z0-9.:%_-]*")), edtHost));
    NameControl(edtHost, QStringLiteral("edtHost"), QStringLiteral("Host"),
                QStringLiteral("Host name or IP address of the PNA or of the Prologix controller"));
    spnPort = new QSpinBox(this);
    spnPort->setRange(1, 65535);
    NameControl(spnPort, QStringLiteral("spnPort"), QStringLiteral("Port"),
                QStringLiteral("TCP port: 5025 for a PNA's SCPI socket, 1234 for a Prologix controller"));

    lblBoard = new QLabel(QStringLiteral("GPIB Board Number:"), this);
    lblBoard->setBuddy(spnBoard);
    NameControl(lblBoard, QStringLiteral("lblBoard"), QStringLiteral("GPIB Board Number:"),
                QStringLiteral("Label of the board number"), 8015);
    lblAddress = new QLabel(QStringLiteral("VNA GPIB Address:"), this);
    lblAddress->setBuddy(spnAddress);
    NameControl(lblAddress, QStringLiteral("lblAddress"), QStringLiteral("VNA GPIB Address:"),
                QStringLiteral("Label of the analyzer address"), 8020);
    lblHost = new QLabel(QStringLiteral("Host:"), this);
    lblHost->setBuddy(edtHost);
    NameControl(lblHost, QStringLiteral("lblHost"), QStringLiteral("Host:"), QStringLiteral("Label of the host"));
    lblPort = new QLabel(QStringLiteral("Port:"), this);
    lblPort->setBuddy(spnPort);
    NameControl(lblPort, QStringLiteral("lblPort"), QStringLiteral("Port:"), QStringLiteral("Label of the port"));
    auto* numbers = new QFormLayout;
    numbers->addRow(lblBoard, spnBoard);
    numbers->addRow(lblAddress, spnAddress);
    numbers->addRow(lblHost, edtHost);
    numbers->addRow(lblPort, spnPort);

    chkVerify = new QCheckBox(QStringLiteral("&Verify after sending"), this);
    NameControl(chkVerify, QStringLiteral("chkVerify"), QStringLiteral("Verify after sending"),
                QStringLiteral("After Send Kit to VNA, read the kit back and report whether the analyzer holds "
                               "what was sent"),
                CompareHelp::VerifyAfterSending);

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
    layout->addWidget(chkVerify);
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
    for (QAbstractButton* button : FDriverButtons->buttons())
        button->setChecked(FDriverButtons->id(button) == current.Driver());
    FDriverButtons->setExclusive(true);
    FChosenDriver = current.Driver();
    SetBoardRange(FChosenDriver);
    spnBoard->setValue(current.Board());
    spnAddress->setValue(current.Address());
    for (const TGpibDriver driver : {gdLan, gdPrologix}) {
        const TNetworkCard& card = NetworkCard(driver);
        FNetworkFields[driver - gdLan] = {QString::fromLatin1(card.Host()), card.Port()};
    }
    ShowNetworkFields(IsNetwork(FChosenDriver) ? FChosenDriver : gdLan);
    EnableFields(FChosenDriver);
    btnCancel->setFocus();
}

void TGpibSettingsForm::rbClick(int driver)
{
    FChosenDriver = static_cast<TGpibDriver>(driver);
    SetBoardRange(FChosenDriver);
    if (IsNetwork(FChosenDriver) && FChosenDriver != FShownNetwork) {
        KeepNetworkFields();
        ShowNetworkFields(FChosenDriver);
    }
    EnableFields(FChosenDriver);
}

void TGpibSettingsForm::EnableFields(TGpibDriver driver)
{
    const bool network = IsNetwork(driver);
    for (QWidget* board : {static_cast<QWidget*>(lblBoard), static_cast<QWidget*>(spnBoard)})
        board->setEnabled(!network);
    for (QWidget* address : {static_cast<QWidget*>(lblAddress), static_cast<QWidget*>(spnAddress)})
        address->setEnabled(driver != gdLan);
    for (QWidget* field : {static_cast<QWidget*>(lblHost), static_cast<QWidget*>(edtHost),
                           static_cast<QWidget*>(lblPort), static_cast<QWidget*>(spnPort)})
        field->setEnabled(network);
}

void TGpibSettingsForm::ShowNetworkFields(TGpibDriver driver)
{
    FShownNetwork = driver;
    const TNetworkFields& fields = FNetworkFields[driver - gdLan];
    edtHost->setText(fields.Host);
    spnPort->setValue(fields.Port);
}

void TGpibSettingsForm::KeepNetworkFields()
{
    FNetworkFields[FShownNetwork - gdLan] = {edtHost->text(), spnPort->value()};
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
    if (IsNetwork(FChosenDriver)) {
        TNetworkCard& network = NetworkCard(FChosenDriver);
        network.SetHost(edtHost->text().toLatin1().toStdString());
        network.SetPort(spnPort->value());
    }
    CurrentGpibCard = &card;
    accept();
}

void TGpibSettingsForm::SetVerifyAfterSending(bool verify)
{
    chkVerify->setChecked(verify);
}

bool TGpibSettingsForm::VerifyAfterSending() const
{
    return chkVerify->isChecked();
}
