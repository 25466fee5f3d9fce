// What's This on real widgets: controls, toolbar buttons, grid cells and menu commands.
#include "analyzers/Vna.h"
#include "ui/grid/DataGrid.h"
#include "ui/grid/GridOwner.h"
#include "ui/help/WhatsThis.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

class TEmptyCells : public TGridOwner {
public:
    void CellLoaded(TDataGrid&, int, int, QString&) override {}
};

// An editor-like window: a standards grid with its help context, and a disabled field inside
// a panel that has one.
class WhatsThisTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Editor.setObjectName("editor");
        auto* layout = new QVBoxLayout(&Editor);
        Grid = new TDataGrid(&Editor);
        Grid->setObjectName("tsgStandards");
        SetHelpContext(Grid, 4000);
        Grid->SetOwner(&Owner);
        Grid->SetColumnCount(14);
        Grid->SetFixedColumns(1);
        Grid->SetRowCount(8);
        for (int c = 1; c <= 14; ++c)
            Grid->SetColumnWidth(c, 40);
        layout->addWidget(Grid);
        Panel = new QWidget(&Editor);
        SetHelpContext(Panel, 4210);
        Field = new QLineEdit(Panel);
        Field->setEnabled(false);
        (new QVBoxLayout(Panel))->addWidget(Field);
        layout->addWidget(Panel);
        Editor.resize(700, 400);
        Editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Editor));
    }

    // The middle of the heading of grid column c.
    QPoint HeadingCentre(int column) const
    {
        QHeaderView* header = Grid->horizontalHeader();
        const int x = header->sectionViewportPosition(column - 1) + header->sectionSize(column - 1) / 2;
        return header->viewport()->mapToGlobal(QPoint(x, header->height() / 2));
    }

    TGridHelpScope Scope() const { return {&Editor, FindVna("8753D/E")}; }

    TEmptyCells Owner;
    QWidget Editor;
    TDataGrid* Grid = nullptr;
    QWidget* Panel = nullptr;
    QLineEdit* Field = nullptr;
};

}  // namespace

TEST_F(WhatsThisTest, DisabledControlsTakeTheirParentsContext)
{
    const QPoint field = Field->mapToGlobal(Field->rect().center());
    EXPECT_EQ(QApplication::widgetAt(field), Field);
    EXPECT_EQ(HelpContextAt(field, Scope()), 4210);
    SetHelpContext(Field, 4220);
    EXPECT_EQ(HelpContextAt(field, Scope()), 4220);
    EXPECT_EQ(HelpContextOfWidget(nullptr, field, Scope()), 0);
}

TEST(WhatsThisToolbarTest, AToolbarButtonGivesItsActionsContext)
{
    QToolBar bar;
    QAction print("Print", &bar);
    SetHelpContext(&print, 3038);
    bar.addAction(&print);
    auto* button = qobject_cast<QToolButton*>(bar.widgetForAction(&print));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(OwnHelpContext(button), 3038);
    SetHelpContext(button, 3040);
    EXPECT_EQ(OwnHelpContext(button), 3040);
}

TEST_F(WhatsThisTest, TheModeTurnsTheNextClickOnTheOffsetDelayHeadingInto4035)
{
    TWhatsThisMode mode([this] { return Scope(); });
    QSignalSpy chosen(&mode, &TWhatsThisMode::ContextChosen);
    int cellClicks = 0;
    QObject::connect(Grid, &TDataGrid::ClickCell, [&] { ++cellClicks; });

    mode.Enter();
    EXPECT_TRUE(mode.IsActive());
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WhatsThisCursor);
    QHeaderView* header = Grid->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, header->viewport()->mapFromGlobal(HeadingCentre(8)));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 4035);
    EXPECT_FALSE(mode.IsActive());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(cellClicks, 0);
    // Without a kit model, or on a grid outside the active editor, the grid's own context.
    EXPECT_EQ(HelpContextAt(HeadingCentre(8), {&Editor, nullptr}), 4000);
    QWidget otherEditor;
    EXPECT_EQ(HelpContextAt(HeadingCentre(8), {&otherEditor, FindVna("8753D/E")}), 4000);

    // Esc and a right click end the mode without a choice.
    mode.Enter();
    QTest::keyClick(Grid, Qt::Key_Escape);
    EXPECT_FALSE(mode.IsActive());
    mode.Enter();
    QTest::mouseClick(Panel, Qt::RightButton);
    EXPECT_FALSE(mode.IsActive());
    EXPECT_EQ(chosen.count(), 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(WhatsThisMenuTest, AMenuCommandGivesItsContextAndDoesNotRun)
{
    QMenu menu;
    QAction* print = menu.addAction("Print");
    SetHelpContext(print, 3038);
    int runs = 0;
    QObject::connect(print, &QAction::triggered, [&] { ++runs; });
    TWhatsThisMode mode(nullptr);
    QSignalSpy chosen(&mode, &TWhatsThisMode::ContextChosen);

    menu.popup(QPoint(100, 100));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    mode.Enter();
    const QPoint at = menu.actionGeometry(print).center();
    QTest::mousePress(&menu, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&menu, Qt::LeftButton, {}, at);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 3038);
    EXPECT_EQ(runs, 0);
    EXPECT_FALSE(menu.isVisible());
    EXPECT_FALSE(mode.IsActive());
}
