// The main window with real kit windows: untitled kits, the action list and menus, model
// selection across kits, the file commands through the dialogs' code path, file errors, the
// close question at exit, recent files, and the settings of the next start.
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPushButton>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/KitFile.h"
#include "kit/Standard.h"
#include "MainWindowRun.h"
#include "support/UiTestSupport.h"
#include "ui/components/CoreText.h"
#include "ui/components/RecentFileList.h"
#include "ui/components/SettingsScope.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/editor/StandardsPage.h"
#include "ui/grid/DataGrid.h"
#include "ui/main/FileCommands.h"
#include "ui/main/KitWindows.h"
#include "ui/main/KitWorkspace.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainForm.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainStatusBar.h"
#include "ui/main/VnaSelector.h"

namespace {

// Answers the file dialogs in place of the user and keeps what each command asked for.
class TScriptedDialogs : public TFileDialogs {
public:
    std::vector<TFileDialogRequest> Requests;
    std::deque<std::optional<QString>> Answers;

    std::optional<QString> Execute(const TFileDialogRequest& request) override
    {
        Requests.push_back(request);
        if (Answers.empty())
            return std::nullopt;
        std::optional<QString> answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
};

QString StoredValue(const QString& key)
{
    return ProgramSettingsScope().Open()->value(key).toString();
}

class MainFormTest : public TMainWindowRun {
protected:
    void Prepare(TMainForm& form) override
    {
        auto dialogs = std::make_unique<TScriptedDialogs>();
        Dialogs = dialogs.get();
        form.SetFileDialogs(std::move(dialogs));
        form.activateWindow();
    }
    // Closes the main window as the user would; true when it closed.
    bool Exit() { return Form->close(); }

    void TypeInto(TCalKitEditForm& editor, int column, int row, const QString& text)
    {
        TDataGrid& grid = editor.StandardsPage().Grid();
        grid.EndEdit();
        ASSERT_TRUE(grid.SetCurrentCell(column, row));
        grid.setFocus();
        TypeKeys(grid, text);
        grid.EndEdit();
    }
    // The items of the menu whose captions begin with an accelerator digit: the recent files.
    static QList<QAction*> NumberedItems(QMenu& menu)
    {
        QList<QAction*> items;
        for (QAction* action : menu.actions())
            if (action->text().size() > 2 && action->text()[0] == '&' && action->text()[1].isDigit())
                items.append(action);
        return items;
    }
    static QStringList Captions(const QList<QAction*>& items)
    {
        QStringList captions;
        for (const QAction* action : items)
            captions.append(action->text());
        return captions;
    }

    TScriptedDialogs* Dialogs = nullptr;
};

}  // namespace

TEST_F(MainFormTest, UntitledKitsAreNumberedAndNumbersAreNeverReused)
{
    TMainForm& form = Start();
    EXPECT_EQ(Titles(), QStringList{"NewCalKit1"}) << "a first start opens a new kit";
    form.Actions().FileNew->trigger();
    form.Actions().FileNew->trigger();
    EXPECT_EQ(Titles(), (QStringList{"NewCalKit1", "NewCalKit2", "NewCalKit3"}));
    EXPECT_EQ(Active().windowTitle(), "NewCalKit3");

    form.Actions().FileClose->trigger();
    QTest::qWait(10);
    EXPECT_EQ(Titles(), (QStringList{"NewCalKit1", "NewCalKit2"}));
    form.Actions().FileNew->trigger();
    EXPECT_EQ(Titles(), (QStringList{"NewCalKit1", "NewCalKit2", "NewCalKit4"}));
    EXPECT_EQ(form.KitWindows().NewKitCounter(), 4);

    // Close All asks every window; with nothing modified all go, and the kit commands follow.
    form.Actions().WindowCloseAll->trigger();
    QTest::qWait(10);
    EXPECT_TRUE(Titles().isEmpty());
    form.UpdateActions();
    EXPECT_FALSE(form.Actions().FileSave->isEnabled());
    EXPECT_FALSE(form.Actions().WindowCascade->isEnabled());
    EXPECT_TRUE(form.Actions().FileNew->isEnabled());
}

TEST_F(MainFormTest, ModelChoiceConvertsOnlyTheActiveKitAndActivationFollowsEachKit)
{
    TMainForm& form = Start();
    TCalKitEditForm& first = Active();
    ASSERT_EQ(&first.Kit().Vna(), Vnas()[0].get());
    form.Actions().FileNew->trigger();
    TCalKitEditForm& second = Active();
    ASSERT_NE(&first, &second);

    // The 8510C from the menu: only the second kit changes, as one undoable step.
    TVna& narrow = Model("8510C");
    form.VnaSelector().MenuItems()[narrow.ModelIndex]->trigger();
    EXPECT_EQ(&second.Kit().Vna(), &narrow);
    EXPECT_EQ(second.StandardsPage().Grid().RowCount(), narrow.NumStandards);
    EXPECT_EQ(&first.Kit().Vna(), Vnas()[0].get());
    EXPECT_EQ(second.UndoHistory().Count(), 1);
    EXPECT_EQ(form.MainStatusBar().PanelText(1), FromCore(narrow.ModelName));
    EXPECT_EQ(form.VnaSelector().Combo().currentIndex(), narrow.ModelIndex);
    EXPECT_EQ(second.windowTitle(), "NewCalKit2*");

    // Activating the other kit brings its model back without a step of its own.
    form.KitWindows().Activate(first);
    EXPECT_EQ(&form.CurrentVna(), Vnas()[0].get());
    EXPECT_EQ(form.VnaSelector().Combo().currentIndex(), 0);
    EXPECT_FALSE(form.VnaSelector().MenuItems()[narrow.ModelIndex]->isChecked());
    EXPECT_EQ(first.UndoHistory().Count(), 0);
    EXPECT_EQ(first.windowTitle(), "NewCalKit1");

    // Undo through the Edit command puts the second kit back on its model.
    form.KitWindows().Activate(second);
    form.UpdateActions();
    EXPECT_EQ(form.Actions().EditUndo->text(), "Undo VNA selection");
    ASSERT_TRUE(form.Actions().EditUndo->isEnabled());
    form.Actions().EditUndo->trigger();
    EXPECT_EQ(&second.Kit().Vna(), Vnas()[0].get());
    form.UpdateActions();
    EXPECT_EQ(form.Actions().EditRedo->text(), "Redo VNA selection");

    // The menu and the box list the whole catalogue, the menu with accelerators.
    const QList<QAction*>& models = form.VnaSelector().MenuItems();
    ASSERT_EQ(models.size(), VnaCount);
    EXPECT_EQ(form.VnaSelector().Combo().count(), VnaCount);
    EXPECT_EQ(models[9]->text(), "&A: " + FromCore(Vnas()[9]->ModelName));
    EXPECT_EQ(VnaMenuCaption(35, QStringLiteral("X")), "X") << "no accelerator beyond Z";

    // The disk-file command follows the selected model.
    EXPECT_FALSE(form.Actions().FileOpenVnaDiskFile->isEnabled()) << "the PNA has no disk files";
    form.VnaSelector().MenuItems()[Model("8753D/E").ModelIndex]->trigger();
    form.UpdateActions();
    EXPECT_TRUE(form.Actions().FileOpenVnaDiskFile->isEnabled());
}

TEST_F(MainFormTest, SaveAndOpenRoundTripThroughTheFileDialogs)
{
    TMainForm& form = Start();
    const QString startFolder = QDir::currentPath();
    ASSERT_TRUE(Active().StandardsPage().Grid().SetCurrentCell(2, 1));
    ASSERT_TRUE(Active().StandardsPage().Grid().SetCurrentText(QStringLiteral("Short")));
    TypeInto(Active(), 8, 1, QStringLiteral("27.5"));
    ASSERT_EQ(Active().Kit().Standard(1).OffsetDelay(), 27.5);

    // Save of a kit never saved asks for a name; cancelling leaves it as it was.
    form.Actions().FileSave->trigger();
    ASSERT_EQ(Dialogs->Requests.size(), 1u);
    EXPECT_TRUE(Active().FileName().isEmpty());
    EXPECT_TRUE(Active().UndoHistory().IsDirty());

    const QString path = Scratch.filePath(QStringLiteral("my kit.tsy"));
    Dialogs->Answers.push_back(path);
    form.Actions().FileSave->trigger();
    ASSERT_EQ(Dialogs->Requests.size(), 2u);
    const TFileDialogRequest& save = Dialogs->Requests[1];
    EXPECT_EQ(save.Kind, TFileDialogRequest::TKind::fdSave);
    EXPECT_EQ(save.InitialDir, startFolder);
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(Active().windowTitle(), "my kit.tsy");
    EXPECT_FALSE(Active().UndoHistory().IsDirty());
    EXPECT_EQ(form.RecentFiles().Files(), QStringList{path});
    EXPECT_EQ(form.FileCommands().KitDirectory(), QFileInfo(path).absolutePath());

    // Export proposes the kit file's name without folder and extension.
    Dialogs->Answers.push_back(Scratch.filePath(QStringLiteral("my kit.csv")));
    form.Actions().FileExportToText->trigger();
    const TFileDialogRequest& exported = Dialogs->Requests.back();
    EXPECT_EQ(exported.FileName, "my kit");
    EXPECT_GT(QFileInfo(Scratch.filePath(QStringLiteral("my kit.csv"))).size(), 0);

    form.Actions().FileClose->trigger();
    QTest::qWait(10);
    ASSERT_EQ(form.KitWindows().Count(), 0);

    Dialogs->Answers.push_back(path);
    form.Actions().FileOpen->trigger();
    const TFileDialogRequest& open = Dialogs->Requests.back();
    EXPECT_EQ(open.Kind, TFileDialogRequest::TKind::fdOpen);
    EXPECT_EQ(open.InitialDir, QFileInfo(path).absolutePath());
    ASSERT_EQ(form.KitWindows().Count(), 1);
    EXPECT_EQ(Active().windowTitle(), "my kit.tsy");
    EXPECT_EQ(Active().StandardsPage().Grid().CellText(8, 1), "27.5");

    // The same file again brings its window forward instead of a second one.
    form.Actions().FileNew->trigger();
    Dialogs->Answers.push_back(path);
    form.Actions().FileOpen->trigger();
    EXPECT_EQ(form.KitWindows().Count(), 2);
    EXPECT_EQ(Active().FileName(), path);
    EXPECT_EQ(form.RecentFiles().Files(), QStringList{path});
}

TEST_F(MainFormTest, ACorruptFileIsReportedAndLeavesNoWindow)
{
    TMainForm& form = Start();
    const QString path = WriteKit(QStringLiteral("broken.tsy"), "8753D/E", "", true);
    const QString kitFolder = form.FileCommands().KitDirectory();

    const auto shown = WhenMessage();
    Dialogs->Answers.push_back(path);
    form.Actions().FileOpen->trigger();
    ASSERT_TRUE(shown->Came);
    EXPECT_EQ(shown->Heading, "File Operation has Failed!");
    EXPECT_EQ(shown->Body, "Unable to open file: " + path + "\nThe cal kit data is corrupt.");
    EXPECT_EQ(shown->Status, "Error: unable to open file.");
    QTest::qWait(10);
    EXPECT_EQ(Titles(), QStringList{"NewCalKit1"});
    EXPECT_TRUE(form.RecentFiles().Files().isEmpty());
    EXPECT_EQ(form.FileCommands().KitDirectory(), kitFolder) << "a failed open keeps the folder";
}

TEST_F(MainFormTest, ScreenReadersReadTheMessageAndTheSelectedModel)
{
    const auto spoken = [](QWidget* widget) {
        QAccessibleInterface* accessible = widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
        return accessible ? accessible->text(QAccessible::Name) : QStringLiteral("(not accessible)");
    };
    TMainForm& form = Start();
    auto* modelPanel = form.MainStatusBar().findChild<QLabel*>(QStringLiteral("StatusPanel1"));
    auto* statusPanel = form.MainStatusBar().findChild<QLabel*>(QStringLiteral("StatusPanel0"));
    EXPECT_EQ(spoken(modelPanel), FromCore(Vnas()[0]->ModelName));
    form.VnaSelector().MenuItems()[Model("8510C").ModelIndex]->trigger();
    EXPECT_EQ(spoken(modelPanel), FromCore(Model("8510C").ModelName)) << "the name follows the model";

    const QString path = WriteKit(QStringLiteral("broken.tsy"), "8753D/E", "", true);
    QString heading, body, status;
    const auto shown = WhenMessage([&] {
        QWidget* dialog = QApplication::activeModalWidget();
        heading = spoken(dialog->findChild<QLabel*>(QStringLiteral("Label1")));
        body = spoken(dialog->findChild<QLabel*>(QStringLiteral("Label2")));
        status = spoken(statusPanel);
    });
    Dialogs->Answers.push_back(path);
    form.Actions().FileOpen->trigger();
    ASSERT_TRUE(shown->Came);
    EXPECT_EQ(heading, "File Operation has Failed!");
    EXPECT_EQ(body, "Unable to open file: " + path + "\nThe cal kit data is corrupt.");
    EXPECT_EQ(status, "Error: unable to open file.");
}

TEST_F(MainFormTest, ClosingADirtyKitAsksAndCancelStopsTheExit)
{
    TMainForm& form = Start();
    ASSERT_TRUE(Active().StandardsPage().Grid().SetCurrentCell(2, 2));
    ASSERT_TRUE(Active().StandardsPage().Grid().SetCurrentText(QStringLiteral("Open")));
    ASSERT_EQ(Active().windowTitle(), "NewCalKit1*");

    QString text, caption;
    WhenModal([&](QWidget& dialog) {
        text = static_cast<QMessageBox&>(dialog).text();
        caption = dialog.windowTitle();
        ClickButton(dialog, QMessageBox::Cancel);
    });
    EXPECT_FALSE(Exit());
    EXPECT_EQ(text, "The cal kit data has been modified. \nDo you want to save the changes?");
    EXPECT_EQ(caption, "NewCalKit1");
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.KitWindows().Count(), 1);
    EXPECT_TRUE(StoredValue(QStringLiteral("LastKit/LastKit")).isEmpty()) << "nothing stored yet";

    // Yes on a kit never saved asks for a name; cancelling that keeps the program running.
    WhenModal([](QWidget& dialog) { ClickButton(dialog, QMessageBox::Yes); });
    EXPECT_FALSE(Exit());
    EXPECT_EQ(Dialogs->Requests.back().Title, "Save Cal Kit File");
    EXPECT_TRUE(form.isVisible());

    // No lets the program end, and the unsaved kit leaves a blank last kit.
    WhenModal([](QWidget& dialog) { ClickButton(dialog, QMessageBox::No); });
    EXPECT_TRUE(Exit());
    EXPECT_EQ(StoredValue(QStringLiteral("LastKit/LastKit")), " ");
}

TEST_F(MainFormTest, RecentFilesKeepTheFiveNewestFirst)
{
    TMainForm& form = Start();
    QStringList paths;
    for (int i = 1; i <= 6; ++i)
        paths.append(WriteKit(QStringLiteral("kit%1.tsy").arg(i)));
    for (const QString& path : paths) {
        Dialogs->Answers.push_back(path);
        form.Actions().FileOpen->trigger();
    }
    EXPECT_EQ(form.RecentFiles().Files(), (QStringList{paths[5], paths[4], paths[3], paths[2], paths[1]}));
    // The files lie in the current folder, so the menu shows their bare names.
    const QList<QAction*> items = NumberedItems(*form.Menus().mnuFile);
    EXPECT_EQ(Captions(items), (QStringList{"&1 kit6.tsy", "&2 kit5.tsy", "&3 kit4.tsy", "&4 kit3.tsy", "&5 kit2.tsy"}));
    EXPECT_EQ(NumberedItems(*form.Menus().OpenButtonMenu).size(), 5);
    EXPECT_EQ(form.Menus().mnuFile->actions().last(), form.Actions().FileExit);

    // Reopening the third one through its menu item moves it to the top, once.
    for (TCalKitEditForm* editor : form.KitWindows().Editors())
        if (editor->FileName() == paths[3])
            form.KitWindows().Close(*editor);
    QTest::qWait(10);
    items[2]->trigger();
    EXPECT_EQ(Active().FileName(), paths[3]);
    EXPECT_EQ(form.RecentFiles().Files(), (QStringList{paths[3], paths[5], paths[4], paths[2], paths[1]}));

    // A listed file that has gone is skipped silently and stays listed.
    QFile::remove(paths[1]);
    const int windows = form.KitWindows().Count();
    NumberedItems(*form.Menus().mnuFile)[4]->trigger();
    EXPECT_EQ(form.KitWindows().Count(), windows);
    EXPECT_EQ(form.RecentFiles().Files().size(), 5);
}

TEST_F(MainFormTest, SettingsAreRestoredOnTheNextStart)
{
    TMainForm& form = Start();
    const TVna& model = Model("8720D/E");
    form.VnaSelector().MenuItems()[model.ModelIndex]->trigger();
    const QString path = Scratch.filePath(QStringLiteral("last.tsy"));
    Dialogs->Answers.push_back(path);
    form.Actions().FileSaveAs->trigger();
    form.move(30, 40);
    form.resize(700, 500);
    QApplication::processEvents();
    const QRect placed = form.normalGeometry();
    ASSERT_TRUE(Exit());
    EXPECT_EQ(StoredValue(QStringLiteral("VNA/VNA")), QString::number(model.ModelIndex));
    EXPECT_EQ(StoredValue(QStringLiteral("LastKit/LastKit")), path);

    TMainForm& again = Start();
    EXPECT_EQ(&again.CurrentVna(), &model);
    EXPECT_EQ(again.VnaSelector().Combo().currentIndex(), model.ModelIndex);
    EXPECT_EQ(Titles(), QStringList{"last.tsy"});
    EXPECT_EQ(Active().FileName(), path);
    EXPECT_EQ(again.normalGeometry().topLeft(), placed.topLeft());
    EXPECT_EQ(again.size(), QSize(700, 500));
}

TEST_F(MainFormTest, CommandLineFilesComeBeforeTheLastKit)
{
    const QString last = WriteKit(QStringLiteral("last.tsy"), "PNA");
    const QString given = WriteKit(QStringLiteral("given.tsy"), "8510C");
    ProgramSettingsScope().Open()->setValue(QStringLiteral("LastKit/LastKit"), last);
    ProgramSettingsScope().Open()->setValue(QStringLiteral("VNA/VNA"), QStringLiteral("17"));

    TMainForm& form = Start({given});
    EXPECT_EQ(Titles(), QStringList{"given.tsy"});
    EXPECT_EQ(&form.CurrentVna(), &Model("8510C")) << "the opened kit's model is selected";
    EXPECT_EQ(form.RecentFiles().Files(), QStringList{given});
    Stop();

    // A missing file on the command line is skipped; the last kit opens instead.
    Start({Scratch.filePath(QStringLiteral("missing.tsy"))});
    EXPECT_EQ(Titles(), QStringList{"last.tsy"});
    Stop();

    // A broken file is reported and the next argument still opens.
    const QString broken = Scratch.filePath(QStringLiteral("short.tsy"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(100, 'x'));
    file.close();
    const auto shown = WhenMessage();
    Start({broken, given});
    EXPECT_EQ(shown->Body, "Unable to open file: " + broken + "\nReason unknown.");
    EXPECT_EQ(Titles(), QStringList{"given.tsy"});
}

TEST_F(MainFormTest, StoredModelOutOfRangeSelectsTheFirstEntry)
{
    ProgramSettingsScope().Open()->setValue(QStringLiteral("VNA/VNA"), QStringLiteral("-1"));
    TMainForm& form = Start();
    EXPECT_EQ(&form.CurrentVna(), Vnas()[0].get());
    EXPECT_EQ(Titles(), QStringList{"NewCalKit1"});

    // The status bar shows the active kit's hint when nothing else is pointed at.
    form.UpdateStatusText(QString());
    EXPECT_EQ(form.MainStatusBar().PanelText(0), Active().StatusText());

    // The long hint of what the mouse points at goes first, while there is one.
    QStatusTipEvent pointed(form.Actions().FileSave->statusTip());
    QApplication::sendEvent(&form, &pointed);
    EXPECT_EQ(form.MainStatusBar().PanelText(0), "Save the active cal kit to disk");
    QStatusTipEvent left{QString()};
    QApplication::sendEvent(&form, &left);
    EXPECT_EQ(form.MainStatusBar().PanelText(0), Active().StatusText());
}

TEST_F(MainFormTest, DiskFilesGoThroughTheSelectedModel)
{
    TMainForm& form = Start();
    form.VnaSelector().MenuItems()[Model("8753D/E").ModelIndex]->trigger();
    TCalKitEditForm& source = Active();
    ASSERT_TRUE(source.StandardsPage().Grid().SetCurrentCell(2, 1));
    ASSERT_TRUE(source.StandardsPage().Grid().SetCurrentText(QStringLiteral("Open")));
    TypeInto(source, 3, 1, QStringLiteral("45.5"));
    const int steps = source.UndoHistory().Count();

    const QString path = Scratch.filePath(QStringLiteral("LAB.ck"));
    Dialogs->Answers.push_back(path);
    form.UpdateActions();
    ASSERT_TRUE(form.Actions().FileSaveAsVnaDiskFile->isEnabled());
    form.Actions().FileSaveAsVnaDiskFile->trigger();
    const TFileDialogRequest& save = Dialogs->Requests.back();
    EXPECT_EQ(save.HelpContext, 3580);
    EXPECT_EQ(QFileInfo(path).size(), 716);
    EXPECT_TRUE(source.FileName().isEmpty()) << "a disk file is not the kit's file";
    EXPECT_EQ(source.UndoHistory().Count(), steps);
    EXPECT_EQ(form.FileCommands().DiskFileDirectory(), QFileInfo(path).absolutePath());

    Dialogs->Answers.push_back(path);
    form.Actions().FileOpenVnaDiskFile->trigger();
    const TFileDialogRequest& open = Dialogs->Requests.back();
    EXPECT_EQ(open.InitialDir, QFileInfo(path).absolutePath());
    TCalKitEditForm& read = Active();
    ASSERT_NE(&read, &source);
    EXPECT_EQ(read.windowTitle(), "LAB.ck*") << "read from a disk file counts as modified";
    EXPECT_EQ(read.Kit().Standard(1).StdType(), TStdType::Open);
    EXPECT_NEAR(read.Kit().Standard(1).C0(), 45.5, 1e-3);
    EXPECT_EQ(read.StandardsPage().Grid().CellText(2, 1), "Open");

    // A file that is no disk file opens no window.
    const QString junk = Scratch.filePath(QStringLiteral("junk.ck"));
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("no kit") == 6);
    file.close();
    const int windows = form.KitWindows().Count();
    const auto shown = WhenMessage();
    Dialogs->Answers.push_back(junk);
    form.Actions().FileOpenVnaDiskFile->trigger();
    EXPECT_TRUE(shown->Came);
    EXPECT_EQ(shown->Status, "Error: unable to open VNA disk file.");
    QTest::qWait(10);
    EXPECT_EQ(form.KitWindows().Count(), windows);
}

TEST_F(MainFormTest, SaveAllAndCloseAllVisitEveryKit)
{
    TMainForm& form = Start();
    const QString saved = Scratch.filePath(QStringLiteral("saved.tsy"));
    Dialogs->Answers.push_back(saved);
    form.Actions().FileSaveAs->trigger();
    TCalKitEditForm& first = Active();
    form.Actions().FileNew->trigger();
    TCalKitEditForm& second = Active();
    // The user brings each window forward before editing in it.
    for (TCalKitEditForm* editor : {&first, &second}) {
        form.KitWindows().Activate(*editor);
        ASSERT_TRUE(editor->StandardsPage().Grid().SetCurrentCell(2, 3));
        ASSERT_TRUE(editor->StandardsPage().Grid().SetCurrentText(QStringLiteral("Load")));
    }
    ASSERT_TRUE(first.UndoHistory().IsDirty());
    ASSERT_TRUE(second.UndoHistory().IsDirty());

    // Save All saves the kit with a file and asks a name for the other.
    const std::size_t asked = Dialogs->Requests.size();
    const QString named = Scratch.filePath(QStringLiteral("named.tsy"));
    Dialogs->Answers.push_back(named);
    form.Actions().FileSaveAll->trigger();
    EXPECT_EQ(Dialogs->Requests.size(), asked + 1);
    EXPECT_FALSE(first.UndoHistory().IsDirty());
    EXPECT_FALSE(second.UndoHistory().IsDirty());
    EXPECT_EQ(second.FileName(), named);
    EXPECT_EQ(first.FileName(), saved);

    // Close All asks each modified kit; one that refuses stays, the others still close.
    for (TCalKitEditForm* editor : {&first, &second}) {
        form.KitWindows().Activate(*editor);
        ASSERT_TRUE(editor->StandardsPage().Grid().SetCurrentCell(2, 4));
        ASSERT_TRUE(editor->StandardsPage().Grid().SetCurrentText(QStringLiteral("Open")));
    }
    QStringList askedFor;
    const std::function<void(QWidget&)> cancel = [&](QWidget& dialog) {
        askedFor.append(dialog.windowTitle());
        ClickButton(dialog, QMessageBox::Cancel);
    };
    const std::function<void(QWidget&)> no = [&](QWidget& dialog) {
        askedFor.append(dialog.windowTitle());
        WhenModal(cancel);
        ClickButton(dialog, QMessageBox::No);
    };
    WhenModal(no);
    form.Actions().FileCloseAll->trigger();
    QTest::qWait(20);
    EXPECT_EQ(askedFor.size(), 2);
    EXPECT_EQ(form.KitWindows().Count(), 1);
}

TEST_F(MainFormTest, UndoKeyInACellEditorUndoesTheKitsTyping)
{
    TMainForm& form = Start();
    TCalKitEditForm& editor = Active();
    TDataGrid& grid = editor.StandardsPage().Grid();
    ASSERT_TRUE(grid.SetCurrentCell(2, 1));
    ASSERT_TRUE(grid.SetCurrentText(QStringLiteral("Open")));
    grid.EndEdit();
    ASSERT_TRUE(grid.SetCurrentCell(8, 1));
    grid.setFocus();
    TypeKeys(grid, QStringLiteral("12"));
    ASSERT_TRUE(grid.IsEditing());
    ASSERT_EQ(editor.Kit().Standard(1).OffsetDelay(), 12);
    QApplication::processEvents();  // the commands' states follow the typing
    ASSERT_TRUE(form.Actions().EditUndo->isEnabled());
    ASSERT_EQ(form.Actions().EditUndo->text(), "Undo typing");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor.Kit().Standard(1).OffsetDelay(), 0);
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_EQ(grid.CellText(8, 1), "0");
    EXPECT_EQ(grid.CurrentColumn(), 8);
    EXPECT_EQ(editor.Kit().Standard(1).StdType(), TStdType::Open) << "only the typing step goes";
}

TEST_F(MainFormTest, StatusPanelZeroShowsItsWholeTextAfterACellEdit)
{
    TMainForm& form = Start();
    TCalKitEditForm& editor = Active();
    ASSERT_GT(editor.parentWidget()->geometry().bottom(), form.Workspace().viewport()->height())
        << "the kit window reaches below the workspace's visible area";
    TDataGrid& grid = editor.StandardsPage().Grid();

    // The screen where panel 0's text starts: letters, not a blank box of background.
    const auto panelStartShows = [&form](const char* after) {
        const QLabel* panel = form.MainStatusBar().findChild<QLabel*>(QStringLiteral("StatusPanel0"));
        const QRect onScreen(panel->mapToGlobal(QPoint()), panel->size());
        const QImage shot = form.screen()->grabWindow(0).toImage();
        int ink = 0;
        for (int x = onScreen.left() + 2; x < onScreen.left() + 35; ++x)
            for (int y = onScreen.top() + 2; y < onScreen.bottom() - 1; ++y)
                ink += qGray(shot.pixel(x, y)) < 128 ? 1 : 0;
        EXPECT_GT(ink, 20) << "the start of the text is covered " << after;
    };

    // Whatever the window system shows, the row headings never paint beyond what the
    // workspace shows of them.
    struct TPaintWatch : QObject {
        int Outside = 0;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) {
                const QRegion painted = static_cast<QPaintEvent*>(event)->region();
                Outside += (painted - static_cast<QWidget*>(watched)->visibleRegion()).isEmpty() ? 0 : 1;
            }
            return false;
        }
    } watch;
    grid.verticalHeader()->viewport()->installEventFilter(&watch);

    // A type picked from the cell's drop-down list.
    ASSERT_TRUE(grid.SetCurrentCell(2, 1));
    ASSERT_TRUE(grid.StartEdit());
    auto* type = grid.viewport()->findChild<QComboBox*>();
    ASSERT_NE(type, nullptr);
    type->showPopup();
    ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    QTest::qWait(300);  // the list is up and drawn, as the user sees it before a click
    QAbstractItemView* list = type->view();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 0)).center());
    ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    QTest::qWait(300);
    panelStartShows("after a pick from a list");

    // A coefficient typed and committed.
    ASSERT_TRUE(grid.SetCurrentCell(6, 1));
    grid.setFocus();
    TypeKeys(grid, QStringLiteral("12"));
    auto* cellEditor = grid.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(cellEditor, nullptr);
    QTest::keyClick(cellEditor, Qt::Key_Return);
    QTest::qWait(100);
    ASSERT_EQ(form.MainStatusBar().PanelText(0), "L3 (x 10e-42 H/Hz^3)");
    panelStartShows("after typing");
    EXPECT_EQ(watch.Outside, 0);
}
