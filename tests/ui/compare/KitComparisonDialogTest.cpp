// The comparison window's table for a kit pair that differs on all three pages of the kit
// window, its copy as text, and File > Compare with... against a disk file.
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include "../main/MainWindowRun.h"
#include "analyzers/DiskFile8753.h"
#include "analyzers/Vna.h"
#include "compare/KitComparison.h"
#include "kit/CalKit.h"
#include "ui/compare/KitComparisonDialog.h"
#include "ui/compare/KitDifferenceModel.h"
#include "ui/main/FileDialogs.h"
#include "ui/main/MainActions.h"

namespace {

// Two 8510B kits: one offset delay, one class and two kit properties differ.
std::vector<TKitDifference> DifferencesOnEveryPage()
{
    TVna& vna = *FindVna("8510B");
    TCalKit mine(vna);
    mine.Standard(2).SetStdType(TStdType::Open);
    mine.Standard(2).SetOffsetDelay(29.243);
    mine.StdClass(2).SetStd(1, 2);
    TCalKit other(vna);
    other.Assign(mine);
    other.Standard(2).SetOffsetDelay(29.25);
    other.StdClass(2).SetStd(2, 7);
    other.SetLabel("OTHER");
    other.SetSystemZ0(75);
    return CompareKits(mine, other, TCompareRules::KitFile());
}

const QStringList ExpectedRows = {
    "Where\tField\tThis kit\tOther",
    "kit\tlabel\tNew Kit\tOTHER",
    "kit\tsystem Z0\t50 ohm\t75 ohm",
    "standard 2\toffset delay\t29.243 ps\t29.25 ps",
    "class S11B\tstandards\t2\t2,7",
};

}  // namespace

TEST(KitComparisonDialog, TableListsTheDifferencesOfAllThreePagesAndCopiesThemAsText)
{
    TKitComparisonDialog dialog(QStringLiteral("Compare with other.tsy"), QStringLiteral("other.tsy"), QString(),
                                DifferencesOnEveryPage());
    const TKitDifferenceModel& model = dialog.Model();
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.Difference(0).Page, TKitPage::Properties);
    EXPECT_EQ(model.Difference(2).Page, TKitPage::Standards);
    EXPECT_EQ(model.Difference(3).Page, TKitPage::Classes);
    EXPECT_EQ(model.headerData(TKitDifferenceModel::colThisKit, Qt::Horizontal).toString(), "This kit");
    EXPECT_EQ(dialog.Table().model()->index(2, 3).data().toString(), "29.25 ps") << "the view shows the model";
    EXPECT_EQ(dialog.Summary(), "4 differences between this kit and other.tsy:");
    EXPECT_FALSE(dialog.findChild<QLabel*>(QStringLiteral("lblNote"))->isVisibleTo(&dialog));

    // Nothing selected: every row; the selected rows in their order otherwise, by Copy or Ctrl+C.
    dialog.findChild<QPushButton*>(QStringLiteral("btnCopy"))->click();
    EXPECT_EQ(QApplication::clipboard()->text(), ExpectedRows.join(QLatin1Char('\n')) + "\n");
    QItemSelectionModel& selection = *dialog.Table().selectionModel();
    selection.select(model.index(3, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection.select(model.index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(&dialog.Table(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringList({ExpectedRows[0], ExpectedRows[2], ExpectedRows[4]}).join(QLatin1Char('\n')) + "\n");

    TKitComparisonDialog same(QStringLiteral("Compare"), QStringLiteral("CK_A"),
                              TKitComparisonDialog::LeftOutNote(TCompareRules::DiskFile(*FindVna("8510C"))), {});
    EXPECT_EQ(same.Summary(), "No differences between this kit and CK_A.");
    EXPECT_FALSE(same.findChild<QPushButton*>(QStringLiteral("btnCopy"))->isEnabled());
    EXPECT_EQ(same.findChild<QLabel*>(QStringLiteral("lblNote"))->text(),
              "Not compared (the other kit cannot carry them): description, calibration type, system Z0.");
}

namespace {

// Answers the open dialog with one file name.
class TOneFileDialog : public TFileDialogs {
public:
    explicit TOneFileDialog(QString name) : FName(std::move(name)) {}
    std::optional<QString> Execute(const TFileDialogRequest&) override { return FName; }

private:
    QString FName;
};

class CompareCommandTest : public TMainWindowRun {};

}  // namespace

TEST_F(CompareCommandTest, ComparesTheActiveKitWithADiskFileAsFarAsTheFileKeepsValues)
{
    TMainForm& form = Start();
    form.VnaSelect(FindVna("8753D/E")->ModelIndex);
    TCalKit& kit = Active().Kit();
    kit.Standard(2).SetStdType(TStdType::Open);
    kit.Standard(2).SetC1(-310.1); // comes back as -310.10001: within the file's rounding
    kit.SetDescription("only in the kit file");
    TCalKit onDisk(kit.Vna());
    onDisk.Assign(kit);
    onDisk.Standard(2).SetMaxFreq(26.5);
    const QString path = Scratch.filePath(QStringLiteral("other.ck"));
    WriteDiskFile8753(onDisk, kit.Vna(), ToCorePath(path));
    form.SetFileDialogs(std::make_unique<TOneFileDialog>(path));
    form.UpdateActions();
    ASSERT_TRUE(Form->Actions().FileCompare->isEnabled());

    QString title;
    QStringList rows;
    WhenModal([&](QWidget& source) {
        EXPECT_FALSE(source.findChild<QPushButton*>(QStringLiteral("btnAnalyzer"))->isEnabled()) << "no bus";
        WhenModal([&](QWidget& window) {
            auto& shown = dynamic_cast<TKitComparisonDialog&>(window);
            title = shown.windowTitle();
            rows = shown.Model().AsText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            shown.accept();
        });
        source.findChild<QPushButton*>(QStringLiteral("btnKitFile"))->click();
    });
    Form->Actions().FileCompare->trigger();
    EXPECT_EQ(title, "Compare with other.ck");
    EXPECT_EQ(rows, QStringList({"Where\tField\tThis kit\tOther", "standard 2\tmax frequency\t999 GHz\t26.5 GHz"}));

    // Cancel compares with nothing.
    std::shared_ptr<bool> more;
    WhenModal([&](QWidget& source) {
        more = WhenModal([](QWidget& window) { window.close(); });
        source.findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    });
    Form->Actions().FileCompare->trigger();
    QTest::qWait(100);
    ASSERT_TRUE(more);
    EXPECT_FALSE(*more);
    StopModalAnswers();
}
