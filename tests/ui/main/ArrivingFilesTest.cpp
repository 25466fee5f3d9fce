// Kit files dropped on the main window or handed over by a later start: they open one by one,
// a failing one is reported and the rest still open.
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include "MainWindowRun.h"
#include "ui/components/RecentFileList.h"
#include "ui/components/SingleInstance.h"
#include "ui/main/ArrivingKitFiles.h"

#include <sys/stat.h>

namespace {

void DropFiles(QWidget& target, const QStringList& names)
{
    QMimeData data;
    for (const QString& name : names)
        data.setUrls(data.urls() << QUrl::fromLocalFile(name));
    QDragEnterEvent enter(QPoint(9, 9), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    QDropEvent drop(QPointF(9, 9), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
}

using ArrivingFilesTest = TMainWindowRun;

}  // namespace

TEST_F(ArrivingFilesTest, DroppedFilesOpenInOrderAndAFailingOneIsReported)
{
    TMainForm& form = Start();
    const QString first = WriteKit("first.tsy");
    const QString broken = WriteKit("broken.tsy", "8753D/E", "", true);
    const QString third = WriteKit("third.tsy", "8510C");
    QString openWhenReported;
    const auto shown = WhenMessage([&] { openWhenReported = Titles().join(','); });
    DropFiles(form, {first, Scratch.filePath("missing.tsy"), broken, third});
    ASSERT_TRUE(WaitFor([&] { return Titles().size() == 3; }));
    ASSERT_TRUE(shown->Came);
    EXPECT_EQ(shown->Body, "Unable to open file: " + broken + "\nThe cal kit data is corrupt.");
    EXPECT_EQ(openWhenReported, "NewCalKit1,first.tsy");
    EXPECT_EQ(Titles(), (QStringList{"NewCalKit1", "first.tsy", "third.tsy"}));
    EXPECT_EQ(form.RecentFiles().Files(), (QStringList{third, first}));
}

// A FIFO that arrives is no kit file: reported at once with the open message, never waited on.
TEST_F(ArrivingFilesTest, APipeIsReportedAtOnceAndOpensNoWindow)
{
    TMainForm& form = Start();
    const QString pipe = Scratch.filePath("pipe.tsy");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const auto shown = WhenMessage();
    DropFiles(form, {pipe});
    ASSERT_TRUE(WaitFor([&] { return shown->Came; }));
    EXPECT_EQ(shown->Body, "Unable to open file: " + pipe + "\nReason unknown.");
    EXPECT_EQ(Titles(), QStringList{"NewCalKit1"});
    EXPECT_TRUE(form.RecentFiles().Files().isEmpty());
}

TEST_F(ArrivingFilesTest, ALaterStartRestoresTheWindowAndFilesWaitWhileATransferHoldsIt)
{
    TMainForm& form = Start();
    TSingleInstance instance(QStringLiteral("ArrivingFilesTest"));
    form.ArrivingFiles().Follow(instance);
    form.showMinimized();
    ASSERT_TRUE(form.isMinimized());
    emit instance.RaiseRequested();
    EXPECT_FALSE(form.isMinimized());

    const QString kit = WriteKit("handed over.tsy");
    form.setEnabled(false);
    emit instance.FilesReceived({kit});
    QTest::qWait(50);
    EXPECT_EQ(form.ArrivingFiles().Waiting(), QStringList{kit});
    form.setEnabled(true);
    ASSERT_TRUE(WaitFor([&] { return Titles().size() == 2; }));
    EXPECT_EQ(Active().FileName(), kit);
    EXPECT_EQ(form.RecentFiles().Files(), QStringList{kit});
}
