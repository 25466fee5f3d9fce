// The GPIB settings: the current card restored from the stored values and written back at
// close, and the settings dialog driven with mouse clicks on its real controls.
#include "SimulatedMachine.h"

#include "ui/components/RegistrySettings.h"
#include "ui/dialogs/GpibDebugUnit.h"
#include "ui/dialogs/GpibSettings.h"
#include "ui/dialogs/GpibSettingsValues.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The "GPIB" values in a settings store of the test's own, read and written as the main
// window does at its first show and at its close.
class StoredSettings {
public:
    StoredSettings() { scope_.Open()->clear(); }

    void Store(const TGpibSettingsValues& values) const
    {
        const auto settings = scope_.Open();
        settings->setValue("GPIB/GpibCard", values.GpibCard);
        settings->setValue("GPIB/BoardNumber", values.BoardNumber);
        settings->setValue("GPIB/VnaAddress", values.VnaAddress);
    }
    TGpibSettingsValues Stored() const
    {
        const auto settings = scope_.Open();
        return {settings->value("GPIB/GpibCard").toString(), settings->value("GPIB/BoardNumber").toString(),
                settings->value("GPIB/VnaAddress").toString()};
    }
    const TGpibCard& Restore() const { return RestoreGpibSettings(Load()); }
    void Close() const
    {
        TRegistrySettings settings = Load();
        StoreGpibSettings(settings);
        settings.SaveSettings();
    }

private:
    TRegistrySettings Load() const
    {
        TRegistrySettings settings(nullptr, scope_);
        settings.SetSubKeys({"GPIB", "VNA", "LastKit"});
        settings.SetAutoClear(false);
        settings.LoadSettings();
        return settings;
    }

    TSettingsScope scope_{"Tessaly Tests", "GpibSettings", QSettings::IniFormat};
};

// The dialog, shown, with its controls found by name.
struct SettingsDialog {
    SettingsDialog() { form.show(); }
    template <typename T> T* Control(const char* name) const { return form.findChild<T*>(name); }
    void Click(const char* button) const { QTest::mouseClick(Control<QAbstractButton>(button), Qt::LeftButton); }
    int Board() const { return Control<QSpinBox>("spnBoard")->value(); }
    int Address() const { return Control<QSpinBox>("spnAddress")->value(); }
    bool Checked(const char* radio) const { return Control<QRadioButton>(radio)->isChecked(); }
    bool Enabled(const char* radio) const { return Control<QRadioButton>(radio)->isEnabled(); }

    TGpibSettingsForm form;
};

} // namespace

TEST(GpibSettings, Stored1_12_5SelectSiclBoard12WhenPresentElseNiWithItsOwnBoard)
{
    {
        SimulatedMachine machine(NiLibrary, SiclLibrary);
        StoredSettings store;
        store.Store({"1", "12", "5"});
        EXPECT_EQ(&store.Restore(), GpibCards[gdAT].get());
        EXPECT_EQ(CurrentGpibCard, GpibCards[gdAT].get());
        SettingsDialog dialog;
        EXPECT_TRUE(dialog.Checked("rbAT") && !dialog.Checked("rbNI"));
        EXPECT_TRUE(dialog.Enabled("rbAT") && dialog.Enabled("rbNI"));
        EXPECT_EQ(dialog.Board(), 12);
        EXPECT_EQ(dialog.Address(), 5);
        EXPECT_EQ(dialog.form.focusWidget(), dialog.Control<QWidget>("btnCancel"));
    }
    SimulatedMachine machine(NiLibrary, NoLibrary);
    StoredSettings store;
    store.Store({"1", "12", "5"});
    EXPECT_EQ(store.Restore().Driver(), gdNI);
    SettingsDialog dialog;
    EXPECT_TRUE(dialog.Checked("rbNI"));
    EXPECT_FALSE(dialog.Enabled("rbAT"));
    EXPECT_EQ(dialog.Board(), 0) << "12 lies outside the NI range 0..3";
    EXPECT_EQ(dialog.Address(), 5);
}

TEST(GpibSettings, UnreadableOrMissingValuesKeepTheCardsOwnDefaults)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    StoredSettings store;
    const auto restore = [&store](const TGpibSettingsValues& values) -> const TGpibCard& {
        CreateGpibCards();
        store.Store(values);
        return store.Restore();
    };
    const TGpibCard& blanks = restore({"1", " 3 ", "  7 "});
    EXPECT_EQ(blanks.Board(), 3);
    EXPECT_EQ(blanks.Address(), 7);
    // A board that is no number must not become board 0: the SICL card keeps its 7.
    const TGpibCard& words = restore({"1", "seven", "31"});
    EXPECT_EQ(words.Board(), 7);
    EXPECT_EQ(words.Address(), 16) << "31 lies outside 0..30";
    const TGpibCard& junk = restore({"x", "99999999999", "-1"});
    EXPECT_EQ(junk.Driver(), gdNI);
    EXPECT_EQ(junk.Address(), 16);

    CreateGpibCards();
    store.Store({"", "", ""});
    EXPECT_EQ(store.Restore().Driver(), gdNI);
    EXPECT_EQ(CurrentGpibCard->Address(), 16);
}

TEST(GpibSettings, CloseStoresTheCurrentCardButNothingWhileTheNoBusCardIsCurrent)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    StoredSettings store;
    store.Store({"0", "2", "9"});
    store.Restore();
    {
        SettingsDialog dialog;
        dialog.Click("rbAT");
        dialog.Control<QSpinBox>("spnBoard")->setValue(12);
        dialog.Control<QSpinBox>("spnAddress")->setValue(5);
        dialog.Click("btnOK");
    }
    store.Close();
    EXPECT_EQ(store.Stored(), (TGpibSettingsValues{"1", "12", "5"}));

    SetNoGpib(true);
    store.Close();
    EXPECT_EQ(store.Stored(), (TGpibSettingsValues{"1", "12", "5"}));
}

TEST(GpibSettings, SwitchingFromSiclBoard7ToNiShows3AndOkMakesTheNiCardCurrent)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    ChooseStartupGpibCard(gdAT, -1, 20);
    SettingsDialog dialog;
    ASSERT_EQ(dialog.Board(), 7);
    dialog.Click("rbNI");
    EXPECT_EQ(dialog.form.ChosenDriver(), gdNI);
    EXPECT_EQ(dialog.Board(), 3);
    dialog.Click("btnOK");

    EXPECT_EQ(dialog.form.result(), QDialog::Accepted);
    ASSERT_EQ(CurrentGpibCard, GpibCards[gdNI].get());
    EXPECT_EQ(CurrentGpibCard->Board(), 3);
    EXPECT_EQ(CurrentGpibCard->Address(), 20) << "the address field carries over";
    EXPECT_EQ(GpibCards[gdAT]->Board(), 7) << "each card keeps its own board";
}

TEST(GpibSettings, CancelChangesNeitherTheCurrentCardNorAnyCardsValues)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    ChooseStartupGpibCard(gdAT, 12, 5);
    SettingsDialog dialog;
    dialog.Click("rbNI");
    dialog.Control<QSpinBox>("spnAddress")->setValue(30);
    dialog.Click("btnCancel");

    EXPECT_EQ(dialog.form.result(), QDialog::Rejected);
    EXPECT_EQ(CurrentGpibCard, GpibCards[gdAT].get());
    EXPECT_EQ(GpibCards[gdAT]->Board(), 12);
    EXPECT_EQ(GpibCards[gdAT]->Address(), 5);
    EXPECT_EQ(GpibCards[gdNI]->Address(), 16);
}

TEST(GpibSettings, UnboundDriversCannotBeChosenAndOkKeepsTheNoBusCard)
{
    {
        // Present, but each lacking one entry point.
        SimulatedMachine machine(TESSALY_SIM_NI_NO_RESETSYS_LIBRARY, TESSALY_SIM_SICL_NO_IGETERRSTR_LIBRARY);
        ChooseStartupGpibCard(gdNI, -1, -1);
        SettingsDialog dialog;
        EXPECT_FALSE(dialog.Enabled("rbNI") || dialog.Enabled("rbAT"));
        dialog.Click("rbNI");
        EXPECT_FALSE(dialog.Checked("rbNI"));
    }
    SimulatedMachine machine(NoLibrary, NoLibrary);
    ChooseStartupGpibCard(gdAT, -1, -1);
    SettingsDialog dialog;
    EXPECT_FALSE(dialog.Enabled("rbNI") || dialog.Enabled("rbAT"));
    EXPECT_FALSE(dialog.Checked("rbNI") || dialog.Checked("rbAT"));
    dialog.Control<QSpinBox>("spnBoard")->setValue(4);
    dialog.Control<QSpinBox>("spnAddress")->setValue(9);
    dialog.Click("btnOK");
    ASSERT_EQ(CurrentGpibCard, GpibCards[gdNone].get());
    EXPECT_EQ(CurrentGpibCard->Board(), 0);
    EXPECT_EQ(CurrentGpibCard->Address(), 9);
}
