// What the kit editor tests share: a host that stands in for
// the main window, and a fixture that shows one editor window with the focus in it.
#pragma once

#include <QApplication>
#include <QHeaderView>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analyzers/Vna.h"
#include "support/UiTestSupport.h"
#include "ui/components/RadioGroup.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/editor/EditorHost.h"
#include "ui/grid/DataGrid.h"
#include "ui/grid/DataGridModel.h"
#include "ui/main/FileDialogs.h"

// Stands in for the main window.
class TFakeHost : public TEditorHost {
public:
    TVna* Selected = &Model("8753D/E");
    int Selections = 0;
    std::function<void(TCalKitEditForm&)> OnSave;

    TVna& CurrentVna() const override { return *Selected; }
    void SetCurrentVna(TVna& vna) override
    {
        if (&vna != Selected)
            ++Selections;
        Selected = &vna;
    }
    void SaveEditor(TCalKitEditForm& editor) override
    {
        if (OnSave)
            OnSave(editor);
    }
    void EditorStateChanged(TCalKitEditForm&) override {}

    // The editor's own file dialogs answer with AnswerFileName (none: cancelled); the
    // requests and the reported troubles are kept.
    std::optional<QString> AnswerFileName;
    std::vector<TFileDialogRequest> FileRequests;
    std::vector<std::string> Troubles;
    std::optional<QString> AskFileName(const TFileDialogRequest& request) override
    {
        FileRequests.push_back(request);
        return AnswerFileName;
    }
    void ReportFileTrouble(const std::exception& error) override { Troubles.emplace_back(error.what()); }
};

// Shows a new editor on the host's model as an active window.
inline std::unique_ptr<TCalKitEditForm> ShowEditor(TFakeHost& host, const QString& title)
{
    auto editor = std::make_unique<TCalKitEditForm>(host);
    editor->setWindowTitle(title);
    editor->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(editor.get()));
    editor->activateWindow();
    QApplication::setActiveWindow(editor.get());
    QApplication::processEvents();
    return editor;
}

// Gives widget the keyboard focus and lets the focus change be handled.
inline void FocusOn(QWidget& widget)
{
    widget.setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
}

// The centre of a cell in the grid's viewport, where mouse events for cells go.
inline QPoint CellCentre(const TDataGrid& grid, int column, int row)
{
    return grid.visualRect(grid.Model().IndexOf(column, row)).center();
}

// The same place in the grid's own coordinates, as the grid's drag signals report it.
inline QPoint CellPoint(const TDataGrid& grid, int column, int row)
{
    return grid.viewport()->mapTo(&grid, CellCentre(grid, column, row));
}

// Clicks the fixed cell at the left of a row, which selects the row as a whole.
inline void ClickRowHeading(TDataGrid& grid, int row)
{
    QHeaderView* headings = grid.verticalHeader();
    const QPoint centre(headings->width() / 2,
                        headings->sectionViewportPosition(row - 1) + headings->sectionSize(row - 1) / 2);
    QTest::mouseClick(headings->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

// Clicks a radio item where its round button is.
inline void ClickItem(TRadioGroup& group, int index)
{
    QRadioButton* item = group.Button(index);
    QTest::mouseClick(item, Qt::LeftButton, Qt::NoModifier, QPoint(8, item->height() / 2));
}

// Presses a key on the focused widget and lets what it starts be handled.
inline void Press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
    QApplication::processEvents();
}

// The tests of one editor window "Kit1" on a model of the catalogue.
class TEditorWindowTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        StopModalAnswers();
        if (Editor)
            Editor->AgreeToClose();
    }
    // Closes the window there is and shows a new one on model.
    void OpenEditor(const char* model)
    {
        if (Editor)
            Editor->AgreeToClose();
        Host.Selected = &Model(model);
        Editor = ShowEditor(Host, QStringLiteral("Kit1"));
    }
    TCalKit& Kit() const { return Editor->Kit(); }

    TFakeHost Host;
    std::unique_ptr<TCalKitEditForm> Editor;
};
