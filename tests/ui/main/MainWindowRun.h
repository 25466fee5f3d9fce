// A main window started as the program starts it, for the tests of its commands: a private
// settings store (the test main's), scratch kit files, and an end without the close question.
#pragma once

#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "../../kit/SampleKits.h"
#include "kit/KitFile.h"
#include "support/UiTestSupport.h"
#include "ui/components/CoreText.h"
#include "ui/components/SettingsScope.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/main/KitWindows.h"
#include "ui/main/KitWorkspace.h"
#include "ui/main/MainForm.h"
#include "ui/main/MainStatusBar.h"

// What the message dialog said, and the status line while it was up.
struct TShownMessage {
    bool Came = false;
    QString Heading;
    QString Body;
    QString Status;
};

class TMainWindowRun : public ::testing::Test {
protected:
    void SetUp() override { ProgramSettingsScope().Open()->clear(); }
    void TearDown() override { Stop(); }

    TMainForm& Start(const QStringList& commandLine = {})
    {
        Stop();
        Form = std::make_unique<TMainForm>(commandLine);
        Prepare(*Form);
        Form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
        Form->activateWindow();
        EXPECT_TRUE(WaitFor([this] { return Form->FirstShowDone(); }));
        return *Form;
    }
    // What a test changes in the main window before it first shows.
    virtual void Prepare(TMainForm&) {}
    void Stop()
    {
        for (TCalKitEditForm* editor : Form ? Form->KitWindows().Editors() : QList<TCalKitEditForm*>())
            editor->AgreeToClose();
        Form.reset();
    }
    TCalKitEditForm& Active() const { return *Form->ActiveEditor(); }
    // Answers the next message dialog with its OK button; seen runs while it is up.
    std::shared_ptr<TShownMessage> WhenMessage(std::function<void()> seen = {})
    {
        auto shown = std::make_shared<TShownMessage>();
        WhenModal([this, shown, seen](QWidget& dialog) {
            *shown = {true, dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                      dialog.findChild<QLabel*>(QStringLiteral("Label2"))->text(), Form->MainStatusBar().PanelText(0)};
            if (seen)
                seen();
            dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        });
        return shown;
    }
    QStringList Titles() const
    {
        QStringList titles;
        for (QMdiSubWindow* window : Form->Workspace().subWindowList(QMdiArea::CreationOrder))
            titles.append(window->widget()->windowTitle());
        return titles;
    }
    // The sample kit of model, labelled label; with a model code no model has when corrupt.
    QString WriteKit(const QString& name, const char* model = "8753D/E", const char* label = "Sample 85",
                     bool corrupt = false)
    {
        TCalKit kit(*FindVna(model));
        FillSampleKit(kit);
        kit.SetLabel(label);
        const QString path = Scratch.filePath(name);
        WriteKitFile(kit, ToCorePath(path));
        QFile file(path);
        if (corrupt && file.open(QIODevice::ReadWrite) && file.seek(274))
            file.write(QByteArray(1, char(17)));
        return path;
    }

    TCurrentFolderKeeper Folder;
    QTemporaryDir Scratch;
    std::unique_ptr<TMainForm> Form;
};
