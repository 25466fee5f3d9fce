// A main window started as the program starts it, for the tests of its commands: a private
// settings store (the test main's), scratch kit files, and an end without the close question.
#pragma once

#include <QFile>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "../../kit/SampleKits.h"
#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/KitFile.h"
#include "support/UiTestSupport.h"
#include "ui/components/CoreText.h"
#include "ui/components/SettingsScope.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/main/KitWindows.h"
#include "ui/main/KitWorkspace.h"
#include "ui/main/MainForm.h"

class TMainWindowRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Scratch.isValid());
        ProgramSettingsScope().Open()->clear();
    }
    void TearDown() override { Stop(); }

    TMainForm& Start()
    {
        Stop();
        Form = std::make_unique<TMainForm>();
        Form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
        Form->activateWindow();
        EXPECT_TRUE(WaitFor([this] { return Form->FirstShowDone(); }));
        return *Form;
    }
    void Stop()
    {
        if (!Form)
            return;
        for (TCalKitEditForm* editor : Form->KitWindows().Editors())
            editor->AgreeToClose();
        Form.reset();
    }

    TCalKitEditForm& Active() const
    {
        TCalKitEditForm* editor = Form->ActiveEditor();
        if (editor == nullptr)
            throw std::runtime_error("no active kit window");
        return *editor;
    }
    QStringList Titles() const
    {
        QStringList titles;
        for (QMdiSubWindow* window : Form->Workspace().subWindowList(QMdiArea::CreationOrder))
            titles.append(window->widget()->windowTitle());
        return titles;
    }

    // The sample kit of model under name, with its own kit label.
    QString WriteKit(const QString& name, const char* model = "8753D/E", const char* label = "Sample 85")
    {
        TCalKit kit(*FindVna(model));
        FillSampleKit(kit);
        kit.SetLabel(label);
        const QString path = Scratch.filePath(name);
        WriteKitFile(kit, ToCorePath(path));
        return path;
    }
    // A kit file of the right size whose model code no model has.
    QString WriteCorruptKit(const QString& name)
    {
        QByteArray image(4572, '\0');
        image[274] = 17;
        const QString path = Scratch.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            throw std::runtime_error("cannot write " + path.toStdString());
        file.write(image);
        return path;
    }

    TCurrentFolderKeeper Folder;
    QTemporaryDir Scratch;
    std::unique_ptr<TMainForm> Form;
};
