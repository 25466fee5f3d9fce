// The GPIB Settings dialog: chooses the driver library of the current card, its board number
// and the analyzer's address. Only drivers whose library is bound can be chosen. OK makes the
// chosen card current with the dialog's board and address (the card clamps both); Cancel, or
// closing the dialog any other way, changes nothing.
#pragma once

#include <QDialog>

#include "bus/GpibCardUnit.h"

class QButtonGroup;
class QGroupBox;
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

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void FormShow();
    void rbClick(int driver);
    void SetBoardRange(TGpibDriver driver);
    void btnOKClick();

    QGroupBox* rgGpibDriver = nullptr;
    QRadioButton* rbNI = nullptr;
    QRadioButton* rbAT = nullptr;
    QButtonGroup* FDriverButtons = nullptr;
    QSpinBox* spnBoard = nullptr;
    QSpinBox* spnAddress = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    TGpibDriver FChosenDriver = gdNone;
};
