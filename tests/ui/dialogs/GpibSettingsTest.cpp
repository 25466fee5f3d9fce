// The GPIB settings: the current card restored from the stored values and written back at
// close, and the settings dialog driven with mouse clicks on its real controls.
#include "SimulatedMachine.h"

#include "ui/components/RegistrySettings.h"
#include "ui/dialogs/GpibDebugUnit.h"
#include "ui/dialogs/GpibSettings.h"
#include "ui/dialogs/GpibSettingsValues.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The program's settings store, as the main window keeps it, in a store of this test's own.
class StoredSettings {
public:
    StoredSettings()
        : scope_{QStringLiteral("Tessaly Tests"),
                 QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()),
                 QSettings::IniFormat}
    {
        scope_.Open()->clear();
    }

    void Store(const QString& card, const QString& board, const QString& address) const
    {
        const auto settings = scope_.Open();
        settings->setValue("GPIB/GpibCard", card);
        settings->setValue("GPIB/BoardNumber", board);
        settings->setValue("GPIB/VnaAddress", address);
    }

    TRegistrySettings Load() const
    {
        TRegistrySettings settings(nullptr, scope_);
        settings.SetSubKeys({"GPIB", "VNA", "LastKit"});
        settings.SetAutoClear(false);
        settings.LoadSettings();
        return settings;
    }

    TGpibSettingsValues Stored() const
    {
        const auto settings = scope_.Open();
        return {settings->value("GPIB/GpibCard").toString(), settings->value("GPIB/BoardNumber").toString(),
                settings->value("GPIB/VnaAddress").toString()};
    }

    // The first show: restore the card from the store.
    const TGpibCard& Restore() const { return RestoreGpibSettings(Load()); }

    // The close: write the card's values and save the store.
    void Close() const
    {
        TRegistrySettings settings = Load();
        StoreGpibSettings(settings);
        settings.SaveSettings();
    }

private:
    TSettingsScope scope_;
};

// The dialog, shown (not modally) with handles on its controls.
struct SettingsDialog {
    SettingsDialog()
        : rbNI(form.findChild<QRadioButton*>("rbNI")),
          rbAT(form.findChild<QRadioButton*>("rbAT")),
          spnBoard(form.findChild<QSpinBox*>("spnBoard")),
          spnAddress(form.findChild<QSpinBox*>("spnAddress")),
          btnOK(form.findChild<QPushButton*>("btnOK")),
          btnCancel(form.findChild<QPushButton*>("btnCancel"))
    {
        form.show();
    }

    void Click(QAbstractButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }

    TGpibSettingsForm form;
    QRadioButton* rbNI;
    QRadioButton* rbAT;
    QSpinBox* spnBoard;
    QSpinBox* spnAddress;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};

} // namespace

TEST(GpibSettings, StoredSiclBoardAndAddressAreRestoredAndShownWhenSiclIsPresent)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    StoredSettings store;
    store.Store("1", "12", "5");
    const TGpibCard& card = store.Restore();
    EXPECT_EQ(&card, CurrentGpibCard);
    EXPECT_EQ(card.Driver(), gdAT);
    EXPECT_EQ(card.Board(), 12);
    EXPECT_EQ(card.Address(), 5);

    SettingsDialog dialog;
    EXPECT_TRUE(dialog.rbAT->isChecked());
    EXPECT_FALSE(dialog.rbNI->isChecked());
    EXPECT_TRUE(dialog.rbNI->isEnabled());
    EXPECT_TRUE(dialog.rbAT->isEnabled());
    EXPECT_EQ(dialog.spnBoard->value(), 12);
    EXPECT_EQ(dialog.spnBoard->maximum(), 10000);
    EXPECT_EQ(dialog.spnAddress->value(), 5);
    EXPECT_EQ(dialog.form.focusWidget(), dialog.btnCancel);
}

TEST(GpibSettings, WithoutSiclTheStoredValuesFallBackToTheNiCardWhichRefusesBoard12)
{
    SimulatedMachine machine(NiLibrary, NoLibrary);
    StoredSettings store;
    store.Store("1", "12", "5");
    const TGpibCard& card = store.Restore();
    EXPECT_EQ(card.Driver(), gdNI);
    EXPECT_EQ(card.Board(), 0);
    EXPECT_EQ(card.Address(), 5);

    SettingsDialog dialog;
    EXPECT_TRUE(dialog.rbNI->isChecked());
    EXPECT_TRUE(dialog.rbNI->isEnabled());
    EXPECT_FALSE(dialog.rbAT->isEnabled());
    EXPECT_EQ(dialog.spnBoard->value(), 0);
    EXPECT_EQ(dialog.spnBoard->maximum(), 3);
    EXPECT_EQ(dialog.spnAddress->value(), 5);
}

TEST(GpibSettings, UnreadableOrMissingValuesKeepTheCardsOwnDefaults)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    StoredSettings store;

    store.Store("1", " 3 ", "  7 ");
    EXPECT_EQ(store.Restore().Board(), 3) << "blanks around a number are ignored";
    EXPECT_EQ(CurrentGpibCard->Address(), 7);

    // A board that is no number must not become board 0: the SICL card keeps its own.
    CreateGpibCards();
    store.Store("1", "seven", "31");
    EXPECT_EQ(store.Restore().Board(), 7);
    EXPECT_EQ(CurrentGpibCard->Address(), 16) << "31 lies outside 0..30";

    CreateGpibCards();
    store.Store("x", "99999999999", "-1");
    EXPECT_EQ(store.Restore().Driver(), gdNI) << "a driver that is no number counts as 0";
    EXPECT_EQ(CurrentGpibCard->Board(), 0);
    EXPECT_EQ(CurrentGpibCard->Address(), 16);

    CreateGpibCards();
    StoredSettings empty;
    EXPECT_EQ(empty.Restore().Driver(), gdNI);
    EXPECT_EQ(CurrentGpibCard->Address(), 16);
}

TEST(GpibSettings, CloseStoresTheCurrentCardButNothingWhileTheNoBusCardIsCurrent)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    StoredSettings store;
    store.Store("0", "2", "9");
    store.Restore();
    {
        SettingsDialog dialog;
        dialog.Click(dialog.rbAT);
        dialog.spnBoard->setValue(12);
        dialog.spnAddress->setValue(5);
        dialog.Click(dialog.btnOK);
    }
    store.Close();
    EXPECT_EQ(store.Stored(), (TGpibSettingsValues{"1", "12", "5"}));

    SetNoGpib(true);
    EXPECT_FALSE(GpibSettingsToStore().has_value());
    store.Close();
    EXPECT_EQ(store.Stored(), (TGpibSettingsValues{"1", "12", "5"}));
}

TEST(GpibSettings, SwitchingFromSiclBoard7ToNiShows3AndOkMakesTheNiCardCurrent)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    ChooseStartupGpibCard(gdAT, -1, 20);
    SettingsDialog dialog;
    ASSERT_EQ(dialog.spnBoard->value(), 7);

    dialog.Click(dialog.rbNI);
    EXPECT_EQ(dialog.form.ChosenDriver(), gdNI);
    EXPECT_EQ(dialog.spnBoard->value(), 3);
    EXPECT_EQ(dialog.spnAddress->value(), 20) << "the address field belongs to the dialog";
    dialog.Click(dialog.btnOK);

    EXPECT_FALSE(dialog.form.isVisible());
    EXPECT_EQ(dialog.form.result(), QDialog::Accepted);
    ASSERT_EQ(CurrentGpibCard, GpibCards[gdNI].get());
    EXPECT_EQ(CurrentGpibCard->Board(), 3);
    EXPECT_EQ(CurrentGpibCard->Address(), 20);
    EXPECT_EQ(GpibCards[gdAT]->Board(), 7) << "each card keeps its own board";
}

TEST(GpibSettings, CancelChangesNeitherTheCurrentCardNorAnyCardsValues)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    ChooseStartupGpibCard(gdAT, 12, 5);
    SettingsDialog dialog;
    dialog.Click(dialog.rbNI);
    dialog.spnBoard->setValue(2);
    dialog.spnAddress->setValue(30);
    dialog.Click(dialog.btnCancel);

    EXPECT_FALSE(dialog.form.isVisible());
    EXPECT_EQ(dialog.form.result(), QDialog::Rejected);
    EXPECT_EQ(CurrentGpibCard, GpibCards[gdAT].get());
    EXPECT_EQ(GpibCards[gdAT]->Board(), 12);
    EXPECT_EQ(GpibCards[gdAT]->Address(), 5);
    EXPECT_EQ(GpibCards[gdNI]->Board(), 0);
    EXPECT_EQ(GpibCards[gdNI]->Address(), 16);
}

TEST(GpibSettings, DriversWithoutABoundLibraryCannotBeChosen)
{
    {
        SimulatedMachine machine(NoLibrary, NoLibrary);
        ChooseStartupGpibCard(gdNI, -1, -1);
        SettingsDialog dialog;
        EXPECT_FALSE(dialog.rbNI->isEnabled());
        EXPECT_FALSE(dialog.rbAT->isEnabled());
        dialog.Click(dialog.rbNI);
        EXPECT_FALSE(dialog.rbNI->isChecked());
    }
    {
        // Present, but each lacking one entry point.
        SimulatedMachine machine(TESSALY_SIM_NI_NO_RESETSYS_LIBRARY, TESSALY_SIM_SICL_NO_IGETERRSTR_LIBRARY);
        ChooseStartupGpibCard(gdNI, -1, -1);
        SettingsDialog dialog;
        EXPECT_FALSE(dialog.rbNI->isEnabled());
        EXPECT_FALSE(dialog.rbAT->isEnabled());
    }
}

TEST(GpibSettings, OkWithTheNoBusCardAndNoDriverChosenKeepsTheNoBusCard)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    SetNoGpib(true);
    SettingsDialog dialog;
    EXPECT_FALSE(dialog.rbNI->isChecked());
    EXPECT_FALSE(dialog.rbAT->isChecked());
    dialog.spnBoard->setValue(4);
    dialog.spnAddress->setValue(9);
    dialog.Click(dialog.btnOK);
    ASSERT_EQ(CurrentGpibCard, GpibCards[gdNone].get());
    EXPECT_EQ(CurrentGpibCard->Board(), 0);
    EXPECT_EQ(CurrentGpibCard->Address(), 9);

    // A driver chosen after all replaces the no-bus card, with the dialog's fields.
    SettingsDialog again;
    again.Click(again.rbAT);
    again.Click(again.btnOK);
    ASSERT_EQ(CurrentGpibCard, GpibCards[gdAT].get());
    EXPECT_EQ(CurrentGpibCard->Board(), 0);
    EXPECT_EQ(CurrentGpibCard->Address(), 9);
}
