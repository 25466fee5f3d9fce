// The message and progress dialog: the texts and layout of each mode, the progress bar's
// steps, Cancel, and the Help button's topics.
#include <QAccessible>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>
#include <vector>

#include "kit/Utility.h"
#include "support/UiTestSupport.h"
#include "ui/components/HelpHook.h"
#include "ui/dialogs/UserMsg.h"

namespace {

class UserMsgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallHelpHandler([this](const QString& keyword, int context) {
            Keywords.push_back(keyword);
            (void)context;
        });
    }
    void TearDown() override { InstallHelpHandler({}); }

    QLabel& Heading() const { return *Form.findChild<QLabel*>(QStringLiteral("Label1")); }
    QLabel& Body() const { return *Form.findChild<QLabel*>(QStringLiteral("Label2")); }
    QPushButton& Button(int n) const { return *Form.findChild<QPushButton*>(QStringLiteral("BitBtn%1").arg(n)); }
    QProgressBar& Bar() const { return *Form.findChild<QProgressBar*>(QStringLiteral("ProgressBar1")); }
    bool HeadingIsRed() const { return Heading().palette().color(QPalette::WindowText) == QColor(255, 0, 0); }

    // Runs a modal mode; the check sees the dialog while it is up, then OK closes it.
    template <typename Show, typename Check>
    void WhileShown(Show show, Check check)
    {
        bool checked = false;
        auto came = WhenModal([&](QWidget& dialog) {
            EXPECT_EQ(&dialog, &Form);
            check();
            checked = true;
            Button(1).click();
        });
        show();
        EXPECT_TRUE(*came);
        EXPECT_TRUE(checked);
        EXPECT_FALSE(Form.isVisible());
    }

    std::vector<QString> Keywords;
    TUserMsgForm Form;
};

}  // namespace

TEST_F(UserMsgTest, ProgressModesShowCancelAndTheBarWithoutBlocking)
{
    Form.BeginSend();
    EXPECT_TRUE(Form.isVisible());
    EXPECT_FALSE(Form.isModal());
    EXPECT_TRUE(Bar().isVisible());
    EXPECT_EQ(Form.Position(), 1);
    EXPECT_EQ(Button(1).text(), "Cancel");
    EXPECT_FALSE(Button(2).isVisible());

    // Cancel only raises the flag; the dialog stays for the transfer to notice.
    EXPECT_FALSE(Form.Aborted());
    Button(1).click();
    EXPECT_TRUE(Form.Aborted());
    EXPECT_TRUE(Form.isVisible());
    Form.hide();

    // Showing again clears the flag.
    Form.BeginRead();
    EXPECT_FALSE(Form.Aborted());
    EXPECT_EQ(Heading().text(), "Reading calibration kit from VNA...");

    // A screen reader reads the step being taken and how far it has come.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&Heading())->text(QAccessible::Name),
              "Reading calibration kit from VNA...");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&Body())->text(QAccessible::Name), "Click Cancel to abort");
    Form.SetStep(4999);
    Form.StepProgress();
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(&Bar());
    ASSERT_NE(bar->valueInterface(), nullptr);
    EXPECT_EQ(bar->valueInterface()->currentValue().toInt(), 5000);
    EXPECT_EQ(bar->valueInterface()->maximumValue().toInt(), TUserMsgForm::ProgressMaximum);
    Form.hide();
}

TEST_F(UserMsgTest, StepsAdvanceTheBarButNeverPastItsEnd)
{
    Form.BeginSend();
    Form.SetStep(1250);  // round(9999 / 8)
    for (int step = 1; step <= 7; ++step)
        Form.StepProgress();
    EXPECT_EQ(Form.Position(), 1 + 7 * 1250);
    Form.StepProgress();
    EXPECT_EQ(Form.Position(), 10000) << "the eighth step reaches the end";
    Form.StepProgress();
    EXPECT_EQ(Form.Position(), 10000);

    // A step that would just reach the maximum stops there too.
    Form.BeginSend();
    Form.SetStep(9999);
    Form.StepProgress();
    EXPECT_EQ(Form.Position(), 10000);
    Form.hide();
}

TEST_F(UserMsgTest, EndModesKeepTheProgressLayoutAndOfferOk)
{
    Form.BeginSend();
    const QRect buttonPlace = Button(1).geometry();
    Form.hide();
    WhileShown([&] { Form.EndSend(); },
               [&] {
                   EXPECT_TRUE(Form.isModal());
                   EXPECT_FALSE(Bar().isVisible());
                   EXPECT_EQ(Button(1).text(), "OK");
                   EXPECT_EQ(Button(1).geometry(), buttonPlace);
                   EXPECT_FALSE(HeadingIsRed());
               });
    WhileShown([&] { Form.EndRead(QStringLiteral("Save the kit before you close it.")); },
               [&] {
                   EXPECT_EQ(Heading().text(), "Success!  Cal kit read from VNA.");
                   EXPECT_EQ(Body().text(), "Save the kit before you close it.");
               });
}

TEST_F(UserMsgTest, ErrorModesShowARedHeadingAndAHelpButtonForTheirTopic)
{
    WhileShown([&] { Form.ShowFileError(ECorruptCalKit("Unable to open file: a.tsy\nThe cal kit data is corrupt.")); },
               [&] {
                   EXPECT_EQ(Heading().text(), "File Operation has Failed!");
                   EXPECT_EQ(Body().text(), "Unable to open file: a.tsy\nThe cal kit data is corrupt.");
                   EXPECT_TRUE(HeadingIsRed());
                   EXPECT_TRUE(Button(2).isVisible());
                   Button(2).click();
                   EXPECT_TRUE(Form.isVisible()) << "Help leaves the message up";
                   // Two buttons share the width in three equal gaps.
                   const int gap = Button(1).x();
                   EXPECT_EQ(Button(2).x(), 2 * gap + Button(1).width());
                   EXPECT_EQ(gap, (372 - Button(1).width() - Button(2).width()) / 3);
               });
    WhileShown([&] { Form.ShowFileError(EFileReadOnly("read-only")); }, [&] { Button(2).click(); });
    WhileShown([&] { Form.ShowFileError(ECannotSaveFile("cannot save")); }, [&] { Button(2).click(); });
    WhileShown([&] { Form.ShowGpibError(QStringLiteral("Error in NICard.Open:")); },
               [&] {
                   EXPECT_EQ(Heading().text(), "GPIB Error!!!");
                   EXPECT_TRUE(HeadingIsRed());
                   Button(2).click();
               });
    EXPECT_EQ(Keywords, (std::vector<QString>{"ErrorCalKitCorrupt", "ErrorReadOnly", "ErrorReasonUnknown",
                                              "GpibProblems"}));

    // A later mode with one button loses the red heading and the Help button.
    WhileShown([&] { Form.ShowCheckPassed(QStringLiteral("HP8753E")); },
               [&] {
                   EXPECT_FALSE(HeadingIsRed());
                   EXPECT_FALSE(Button(2).isVisible());
               });
}

