// The GPIB Settings dialog: chooses the current card (a GPIB driver library, a PNA's LAN
// port or a Prologix GPIB-Ethernet controller), its board number, the analyzer's address and,
// for the two network cards, the host and port. Only drivers whose library is bound can be
// chosen; the network cards need none. OK makes the chosen card current with the dialog's
// values (the card clamps them); Cancel, or closing the dialog any other way, changes nothing.
//
// The board number means nothing to the network cards and the GPIB address nothing to the
// LAN card: those fields are disabled then but keep their values, and OK still gives the
// address to the LAN card, so that the analyzer's GPIB address survives a spell on the LAN
// (its messages show it too). Host and port are enabled for the network cards only; each of
// the two keeps its own pair while the dialog is open, so switching between them loses no
// typing.
#pragma once

#include <QDialog>
#include <QString>

#include <array>

#include "bus/GpibCardUnit.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TGpibSettingsForm : public QDialog {
    Q_OBJECT
public:
    // The GPIB cards must have been created. The dialog is shown modally and thrown away:
    //     TGpibSettingsForm form(mainWindow);
    //     form.exec();
    explicit TGpibSettingsForm(QWidget* parent = nullptr);

    // The driver whose card OK makes current: the current card's at first, then the last
    // radio button chosen.
    TGpibDriver ChosenDriver() const { return FChosenDriver; }

    // The "Verify after sending" check box; the caller keeps its value in the settings when
    // the dialog is accepted.
    void SetVerifyAfterSending(bool verify);
    bool VerifyAfterSending() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void FormShow();
    void rbClick(int driver);
    void SetBoardRange(TGpibDriver driver);
    // Enables the fields that mean something to the card of driver.
    void EnableFields(TGpibDriver driver);
    // Host and port of the network card of driver into the fields, and back.
    void ShowNetworkFields(TGpibDriver driver);
    void KeepNetworkFields();
    void btnOKClick();

    // The host and port typed for one network card.
    struct TNetworkFields {
        QString Host;
        int Port = 0;
    };

    QGroupBox* rgGpibDriver = nullptr;
    QRadioButton* rbNI = nullptr;
    QRadioButton* rbAT = nullptr;
    QRadioButton* rbLan = nullptr;
    QRadioButton* rbPrologix = nullptr;
    QButtonGroup* FDriverButtons = nullptr;
    QLabel* lblBoard = nullptr;
    QSpinBox* spnBoard = nullptr;
    QLabel* lblAddress = nullptr;
    QSpinBox* spnAddress = nullptr;
    QLabel* lblHost = nullptr;
    QLineEdit* edtHost = nullptr;
    QLabel* lblPort = nullptr;
    QSpinBox* spnPort = nullptr;
    QCheckBox* chkVerify = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    TGpibDriver FChosenDriver = gdNone;
    // Indexed by driver - gdLan; the fields show the element of FShownNetwork.
    std::array<TNetworkFields, 2> FNetworkFields;
    TGpibDriver FShownNetwork = gdLan;
};
