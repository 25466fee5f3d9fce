// The GPIB settings: the current card restored from the stored values and written back at
// close, and the settings dialog driven with mouse clicks on its real controls.
#include "SimulatedMachine.h"

#include "ui/components/RegistrySettings.h"
#include "ui/dialogs/GpibDebugUnit.h"
#include "ui/dialogs/GpibSettings.h"
#include "ui/dialogs/GpibSettingsValues.h"

#include "bus/NetworkCard.h"

#include <QLineEdit>
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
        if (!values.Host.isEmpty())
            settings->setValue("GPIB/Host", values.Host);
        if (!values.Port.isEmpty())
            settings->setValue("GPIB/Port", values.Port);
    }
    TGpibSettingsValues Stored() const
    {
        const auto settings = scope_.Open();
        return {settings->value("GPIB/GpibCard").toString(), settings->value("GPIB/BoardNumber").toString(),
                settings->value("GPIB/VnaAddress").toString(), settings->value("GPIB/Host").toString(),
                settings->value("GPIB/Port").toString()};
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
    bool Enabled(const char* control) const { return Control<QWidget>(control)->isEnabled(); }
    QLineEdit* Host() const { return Control<QLineEdit>("edtHost"); }
    QSpinBox* Port() const { return Control<QSpinBox>("spnPort"); }
    // Types text into the host field in place of what it holds.
    void TypeHost(const QString& text) const
    {
        Host()->clear();
        QTest::keyClicks(Host(), text);
    }

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

    ASSERT_EQ(CurrentGpibCard, GpibCards[gdNI].get());
    EXPECT_EQ(CurrentGpibCard->Board(), 3);
    EXPECT_EQ(CurrentGpibCard->Address(), 20) << "the address field carries over";
    EXPECT_EQ(GpibCards[gdAT]->Board(), 7) << "each card keeps its own board";
}

TEST(GpibSettings, CancelChangesNeitherTheCurrentCardNorAnyCardsValuesNorTheNetworkCards)
{
    SimulatedMachine machine(NiLibrary, SiclLibrary);
    ChooseStartupGpibCard(gdAT, 12, 5);
    SettingsDialog dialog;
    dialog.Click("rbNI");
    dialog.Control<QSpinBox>("spnAddress")->setValue(30);
    dialog.Click("btnCancel");

    EXPECT_EQ(CurrentGpibCard, GpibCards[gdAT].get());
    EXPECT_EQ(GpibCards[gdAT]->Board(), 12);
    EXPECT_EQ(GpibCards[gdAT]->Address(), 5);
    EXPECT_EQ(GpibCards[gdNI]->Address(), 16);

    // The same for a network card: neither the host nor the port typed stays.
    auto& prologix = *AsNetworkCard(GpibCards[gdPrologix].get());
    prologix.SetHost("10.0.0.7");
    ChooseStartupGpibCard(gdPrologix, -1, 5);
    SettingsDialog network;
    EXPECT_TRUE(network.Checked("rbPrologix"));
    network.TypeHost("10.0.0.8");
    network.Port()->setValue(4000);
    network.Click("rbLan");
    network.Click("btnCancel");

    EXPECT_EQ(CurrentGpibCard, &prologix);
    EXPECT_EQ(prologix.Host(), "10.0.0.7");
    EXPECT_EQ(prologix.Port(), 1234);
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

TEST(GpibSettings, NetworkCardsAreAlwaysChoosableAndOkAppliesTheirHostAndPort)
{
    SimulatedMachine machine(NoLibrary, NoLibrary);
    AsNetworkCard(GpibCards[gdPrologix].get())->SetHost("gpib-eth.lab");
    ChooseStartupGpibCard(gdNone, -1, 9);
    SettingsDialog dialog;
    EXPECT_TRUE(dialog.Enabled("rbLan") && dialog.Enabled("rbPrologix"));
    EXPECT_FALSE(dialog.Enabled("edtHost") || dialog.Enabled("spnPort"));

    dialog.Click("rbLan");
    EXPECT_TRUE(dialog.Enabled("edtHost") && dialog.Enabled("spnPort"));
    EXPECT_FALSE(dialog.Enabled("spnBoard") || dialog.Enabled("spnAddress"));
    EXPECT_EQ(dialog.Port()->value(), 5025);
    dialog.TypeHost("pna 7.lab/x"); // only what a host name or an address can hold
    EXPECT_EQ(dialog.Host()->text(), "pna7.labx");
    dialog.Click("rbPrologix");
    EXPECT_EQ(dialog.Host()->text(), "gpib-eth.lab");
    EXPECT_EQ(dialog.Port()->value(), 1234);
    EXPECT_TRUE(dialog.Enabled("spnAddress") && !dialog.Enabled("spnBoard"));
    dialog.Click("rbLan");
    EXPECT_EQ(dialog.Host()->text(), "pna7.labx") << "each network card keeps what was typed for it";
    dialog.TypeHost("192.168.0.50");
    dialog.Port()->setValue(5026);
    dialog.Click("btnOK");

    ASSERT_EQ(CurrentGpibCard, GpibCards[gdLan].get());
    const auto& lan = *AsNetworkCard(CurrentGpibCard);
    EXPECT_EQ(lan.Host(), "192.168.0.50");
    EXPECT_EQ(lan.Port(), 5026);
    EXPECT_EQ(lan.Address(), 9) << "the address goes along, for a later GPIB card";
    EXPECT_EQ(AsNetworkCard(GpibCards[gdPrologix].get())->Host(), "gpib-eth.lab");
}

TEST(GpibSettings, NetworkCardIsRestoredWithItsStoredHostAndPortAndStoresThemAtClose)
{
    SimulatedMachine machine(NiLibrary, NoLibrary);
    StoredSettings store;
    store.Store({"4", "0", "7", " 192.168.0.60 ", "1240"});
    ASSERT_EQ(&store.Restore(), GpibCards[gdPrologix].get());
    SettingsDialog dialog;
    EXPECT_TRUE(dialog.Checked("rbPrologix"));
    EXPECT_EQ(dialog.Host()->text(), "192.168.0.60");
    EXPECT_EQ(dialog.Port()->value(), 1240);
    EXPECT_EQ(dialog.Address(), 7);

    // A blank host and a port out of range leave the card's own.
    CreateGpibCards();
    store.Store({"3", "0", "16", "  ", "70000"});
    store.Restore();
    EXPECT_EQ(AsNetworkCard(CurrentGpibCard)->Port(), 5025);
    EXPECT_EQ(AsNetworkCard(CurrentGpibCard)->Host(), "");

    // Close writes the network card's host and port; a GPIB card later leaves them stored.
    AsNetworkCard(CurrentGpibCard)->SetHost("pna");
    store.Close();
    EXPECT_EQ(store.Stored(), (TGpibSettingsValues{"3", "0", "16", "pna", "5025"}));
    ChooseStartupGpibCard(gdNI, 2, 9);
    store.Close();
    EXPECT_EQ(store.Stored(), (TGpibSettingsValues{"0", "2", "9", "pna", "5025"}));
}
