// The "&Edit" commands of the main window on real kit windows: their enabled states follow
// the focused control and the clipboard, the shortcuts and the pop-up menu reach the active
// kit, and Undo and Redo name their steps.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "MainWindowRun.h"
#include "kit/CalKit.h"
#include "support/UiTestSupport.h"
#include "ui/components/SettingsScope.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/editor/StandardsPage.h"
#include "ui/grid/DataGrid.h"
#include "ui/main/KitWindows.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainForm.h"
#include "ui/main/MainMenus.h"

namespace {

class EditCommandsTest : public TMainWindowRun {
protected:
    void SetUp() override
    {
        TMainWindowRun::SetUp();
        QApplication::clipboard()->clear();
        Start();
        QApplication::setActiveWindow(Form.get());
    }
    void TearDown() override
    {
        StopModalAnswers();
        TMainWindowRun::TearDown();
    }

    TMainActions& Actions() const { return Form->Actions(); }
    // The enabled states of Cut, Copy, Paste and Clear Row once the window is idle again.
    std::vector<bool> States() const
    {
        QApplication::processEvents();
        Form->UpdateActions();
        return {Actions().EditCut->isEnabled(), Actions().EditCopy->isEnabled(), Actions().EditPaste->isEnabled(),
                Actions().EditClearRow->isEnabled()};
    }
    static void SelectRow(TDataGrid& grid, int row)
    {
        QHeaderView* headings = grid.verticalHeader();
        const QPoint centre(headings->width() / 2,
                            headings->sectionViewportPosition(row - 1) + headings->sectionSize(row - 1) / 2);
        QTest::mouseClick(headings->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        ASSERT_EQ(grid.SelectedRow(), row);
    }
    QAction* PopupItem(const QString& name) const
    {
        for (QAction* action : Form->Menus().PopupMenu->actions())
            if (action->objectName() == name)
                return action;
        return nullptr;
    }
};

}  // namespace

TEST_F(EditCommandsTest, StatesFollowTheFocusedControlAndTheClipboard)
{
    TCalKitEditForm& editor = Active();
    editor.Kit().Standard(4).SetStdType(TStdType::Load);
    editor.Kit().Standard(4).SetLabel("LOAD4");
    editor.RefreshPages();
    TDataGrid& grid = editor.StandardsPage().Grid();
    grid.setFocus();
    ASSERT_TRUE(grid.SetCurrentCell(2, 4));
    EXPECT_EQ(States(), (std::vector<bool>{false, false, false, false})) << "a drop-down cell, nothing to paste";

    SelectRow(grid, 4);
    EXPECT_EQ(States(), (std::vector<bool>{true, true, false, true}));
    // The shortcut reaches the active kit: the row goes to the clipboard, and Paste follows.
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(States(), (std::vector<bool>{true, true, true, true}));

    SelectRow(grid, 6);
    ASSERT_NE(PopupItem(QStringLiteral("EditPaste")), nullptr);
    PopupItem(QStringLiteral("EditPaste"))->trigger();
    EXPECT_EQ(editor.Kit().Standard(6).Label(), "LOAD4");
    States();
    EXPECT_EQ(Actions().EditUndo->text(), "Undo Paste Row");
    EXPECT_FALSE(Actions().EditRedo->isEnabled());

    Actions().EditUndo->trigger();
    EXPECT_EQ(editor.Kit().Standard(6).Label(), "std6");
    States();
    EXPECT_EQ(Actions().EditRedo->text(), "Redo Paste Row");
    EXPECT_TRUE(Actions().EditRedo->isEnabled());

    // Clear Row from the menu, with a row selected; the Delete key does the same.
    SelectRow(grid, 4);
    EXPECT_TRUE(States()[3]);
    Actions().EditClearRow->trigger();
    EXPECT_EQ(editor.Kit().Standard(4).StdType(), TStdType::None);
    States();
    EXPECT_EQ(Actions().EditUndo->text(), "Undo Clear");

    // Without a kit window there is nothing to act on.
    WhenModal([](QWidget& dialog) { ClickButton(dialog, QMessageBox::No); });
    Actions().FileClose->trigger();
    ASSERT_TRUE(WaitFor([this] { return Form->ActiveEditor() == nullptr; }));
    EXPECT_EQ(States(), (std::vector<bool>{false, false, false, false}));
    EXPECT_FALSE(Actions().EditUndo->isEnabled());
}
