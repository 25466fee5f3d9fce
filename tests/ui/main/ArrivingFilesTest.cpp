// Kit files that arrive from outside: dropped on the main window or handed over by a later
// start of the program. They open one by one like File Open; a failing one is reported and
// the rest still open.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include "MainWindowRun.h"
#include "ui/components/RecentFileList.h"
#include "ui/components/SingleInstance.h"
#include "ui/main/ArrivingKitFiles.h"
#include "ui/main/MainStatusBar.h"

namespace {

// The desktop drags the files over the window and drops them.
bool DropFiles(QWidget& target, const QStringList& names)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& name : names)
        urls.append(QUrl::fromLocalFile(name));
    data.setUrls(urls);
    const QPoint at = target.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    return drop.isAccepted();
}

class ArrivingFilesTest : public TMainWindowRun {
protected:
    bool AllOpened() const { return Form->ArrivingFiles().Waiting().isEmpty(); }
};

}  // namespace

TEST_F(ArrivingFilesTest, DroppedFilesOpenOneByOneAndAFailingOneIsReported)
{
    TMainForm& form = Start();
    const QString first = WriteKit("first.tsy");
    const QString broken = WriteCorruptKit("broken.tsy");
    const QString third = WriteKit("third.tsy", "8510C");
    const QString missing = Scratch.filePath("missing.tsy");

    QString body, status, openWhileReported;
    auto shown = WhenModal([&](QWidget& dialog) {
        body = dialog.findChild<QLabel*>(QStringLiteral("Label2"))->text();
        status = form.MainStatusBar().PanelText(0);
        openWhileReported = Titles().join(',');
        dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    });
    ASSERT_TRUE(DropFiles(form, {first, missing, broken, third}));
    ASSERT_TRUE(WaitFor([this] { return AllOpened() && Titles().size() == 3; }));
    ASSERT_TRUE(*shown);

    EXPECT_EQ(openWhileReported, "NewCalKit1,first.tsy") << "the files open in their order";
    EXPECT_EQ(body, "Unable to open file: " + broken + "\nThe cal kit data is corrupt.");
    EXPECT_EQ(status, "Error: unable to open file.");
    EXPECT_EQ(Titles(), (QStringList{"NewCalKit1", "first.tsy", "third.tsy"}));
    EXPECT_EQ(Active().FileName(), third);
    EXPECT_EQ(form.CurrentVna().ModelName, "Agilent 8510C");
    EXPECT_EQ(form.RecentFiles().Files(), (QStringList{third, first}));

    // Dropping an open file again brings its window to the front and opens nothing.
    ASSERT_TRUE(DropFiles(form, {first}));
    ASSERT_TRUE(WaitFor([this] { return AllOpened(); }));
    QTest::qWait(10);
    EXPECT_EQ(Titles().size(), 3);
    EXPECT_EQ(Active().FileName(), first);
    EXPECT_EQ(form.RecentFiles().Files(), (QStringList{third, first}));
}

TEST_F(ArrivingFilesTest, ALaterStartBringsTheWindowBackAndItsFilesOpen)
{
    TMainForm& form = Start();
    TSingleInstance instance(QStringLiteral("ArrivingFilesTest"));
    form.ArrivingFiles().Follow(instance);

    form.showMinimized();
    ASSERT_TRUE(WaitFor([&] { return form.isMinimized(); }));
    emit instance.RaiseRequested();
    EXPECT_FALSE(form.isMinimized());
    EXPECT_TRUE(form.isVisible());

    const QString one = WriteKit("one.tsy");
    const QString two = WriteKit("two words.tsy", "PNA");
    emit instance.FilesReceived({one, two});
    ASSERT_TRUE(WaitFor([&] { return AllOpened() && Titles().size() == 3; }));
    EXPECT_EQ(Titles(), (QStringList{"NewCalKit1", "one.tsy", "two words.tsy"}));
    EXPECT_EQ(form.RecentFiles().Files(), (QStringList{two, one}));
}

TEST_F(ArrivingFilesTest, FilesWaitWhileATransferHoldsTheWindow)
{
    TMainForm& form = Start();
    const QString kit = WriteKit("waiting.tsy");
    form.setEnabled(false);
    form.ArrivingFiles().Open({kit});
    QTest::qWait(50);
    EXPECT_EQ(form.ArrivingFiles().Waiting(), QStringList{kit});
    EXPECT_EQ(Titles(), QStringList{"NewCalKit1"});

    form.setEnabled(true);
    ASSERT_TRUE(WaitFor([&] { return AllOpened() && Titles().size() == 2; }));
    EXPECT_EQ(Active().FileName(), kit);
}
