#include <QDialog>
#include <QPushButton>
#include <QStandardItemModel>

#include "../../kit/TempFolder.h"
#include "editor/EditorTestSupport.h"
#include "kit/CalKit.h"
#include "response/ResponseSweep.h"
#include "response/StandardTouchstone.h"
#include "ui/components/CoreText.h"
#include "ui/editor/ClassesPage.h"
#include "ui/editor/StandardsPage.h"
#include "ui/fit/FitDialog.h"
#include "ui/response/ResponseView.h"

namespace {

class FitDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.Selected = &Model("PNA");
        editor = ShowEditor(host, QStringLiteral("Fit"));
        Open().SetValues({.StdType = TStdType::Open, .C0 = 49.433, .C1 = -310.13, .C2 = 23.168, .C3 = -0.15966,
                          .OffsetDelay = 29.243, .OffsetLoss = 2.2, .Label = "OPEN"});
        WriteTouchstone(folder.File("open.s1p"),
                        StandardTouchstone(editor->Kit(), 1, SweepFrequencies({0.05, 26.5, 201})));
        for (TFitParameter p : {TFitParameter::C0, TFitParameter::C1, TFitParameter::C2, TFitParameter::C3})
            SetFitParameter(Open(), p, 0);
        editor->RefreshPages();
    }

    TStandard& Open() const { return editor->Kit().Standard(1); }
    TResponseView& View() const { return editor->StandardsPage().ResponseView(); }
    QStringList TraceNames() const
    {
        QStringList names;
        for (const TResponseTrace& trace : View().ExtraTraces())
            names.append(trace.Name);
        return names;
    }

    TFakeHost host;
    std::unique_ptr<TCalKitEditForm> editor;
    TTempFolder folder;
};

TEST_F(FitDialogTest, FitsAsTheUserTicksShowsTracesAndAppliesAsOneUndoableStep)
{
    TFitDialog dialog(*editor, 1);
    QStringList offered;
    for (int row = 0; row < dialog.Parameters().rowCount(); ++row)
        offered.append(dialog.Parameters().item(row)->text());
    EXPECT_EQ(offered, (QStringList{"C0 (fF)", "C1 (1e-27 F/Hz)", "C2 (1e-36 F/Hz^2)", "C3 (1e-45 F/Hz^3)",
                                    "Offset Delay (ps)", "Offset Loss (Gohm/s)", "Offset Z0 (ohm)"}));
    EXPECT_EQ(dialog.FreeParameters().size(), 4u);
    EXPECT_FALSE(dialog.ApplyButton().isEnabled());

    host.AnswerFileName = FromCorePath(folder.File("open.s1p"));
    dialog.ChooseFile();
    EXPECT_EQ(host.FileRequests.back().HelpContext, TFitDialog::OpenFileHelpContext);
    ASSERT_TRUE(dialog.Result());
    EXPECT_TRUE(dialog.Result()->Converged);
    EXPECT_TRUE(dialog.ApplyButton().isEnabled());
    EXPECT_TRUE(dialog.ReportText().contains("Points used: 201"));
    EXPECT_EQ(TraceNames(), (QStringList{"Measured", "Fitted", "Residual"}));
    EXPECT_EQ(View().ExtraTraces()[0].Values.size(), 201u);
    // Measured minus fitted, as a magnitude.
    const auto& traces = View().ExtraTraces();
    EXPECT_EQ(traces[2].Values[100], TComplex(std::abs(traces[0].Values[100] - traces[1].Values[100]), 0));
    EXPECT_EQ(traces[0].Values[100], dialog.Result()->Measured[100].S11);
    EXPECT_EQ(Open().C0(), 0); // nothing changes before Apply

    dialog.SetFree(TFitParameter::C3, false);
    EXPECT_EQ(dialog.Result()->Fitted.size(), 3u);
    dialog.SetFree(TFitParameter::C3, true);

    dialog.Apply();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(View().ExtraTraces().empty());
    EXPECT_NEAR(Open().C0(), 49.433, 49.433e-4);
    EXPECT_NEAR(Open().C3(), -0.15966, 0.15966e-4);
    EXPECT_EQ(Open().OffsetDelay(), 29.243);
    EXPECT_EQ(editor->UndoHistory().UndoMenuCaption(), "Undo fit");
    EXPECT_EQ(editor->UndoHistory().Count(), 1);

    editor->EditUndo();
    EXPECT_EQ(Open().C0(), 0);
    EXPECT_EQ(Open().C3(), 0);
    editor->EditRedo();
    EXPECT_NEAR(Open().C1(), -310.13, 310.13e-4);
}

TEST_F(FitDialogTest, FilesThatCannotBeUsedAreReportedAndCancelChangesNothing)
{
    TFitDialog dialog(*editor, 1);
    const std::string wrongPorts = folder.File("thru.s1p");
    std::ofstream(wrongPorts) << "1 0 0 1 0 1 0 0 0\n";
    dialog.LoadFile(FromCorePath(wrongPorts));
    ASSERT_EQ(host.Troubles.size(), 1u);
    EXPECT_EQ(host.Troubles[0], "Unable to open file: " + wrongPorts +
                                    "\nLine 1: too many values: a one-port point has 3 (the frequency and 1 complex "
                                    "values).");
    EXPECT_FALSE(dialog.Result());
    EXPECT_FALSE(dialog.ApplyButton().isEnabled());

    // A two-port measurement for an open: the report says why there is no fit.
    const std::string twoPort = folder.File("thru.s2p");
    std::ofstream(twoPort) << "1 0 0 1 0 1 0 0 0\n2 0 0 1 0 1 0 0 0\n";
    dialog.LoadFile(FromCorePath(twoPort));
    EXPECT_EQ(dialog.ReportText(), "A one-port standard needs a one-port measurement (.s1p); this one has two ports.");
    EXPECT_TRUE(View().ExtraTraces().empty());

    dialog.LoadFile(FromCorePath(folder.File("open.s1p")));
    EXPECT_EQ(View().ExtraTraces().size(), 3u);
    dialog.reject();
    EXPECT_TRUE(View().ExtraTraces().empty());
    EXPECT_EQ(Open().C0(), 0);
    EXPECT_FALSE(editor->UndoHistory().CanUndo());
}

TEST_F(FitDialogTest, CommandOnlyForAStandardWithAModel)
{
    TDataGrid& grid = editor->StandardsPage().Grid();
    grid.SetCurrentCell(3, 1);
    EXPECT_TRUE(editor->CanFitToMeasurement());
    grid.SetCurrentCell(3, 2); // type none
    EXPECT_FALSE(editor->CanFitToMeasurement());
    editor->ShowPage(editor->ClassesPage());
    grid.SetCurrentCell(3, 1);
    EXPECT_FALSE(editor->CanFitToMeasurement());
}

}  // namespace
