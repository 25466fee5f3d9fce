// Makes the documentation's screenshots, grabbed from the screen into the PNG file named by the
// last argument: the program's main window with two example kits open; with --gpib-settings
// the GPIB Settings dialog; with --send the main window while a kit is being sent to the
// analyzer; with --help the help window on the quick start tutorial; with --response ROW KIT
// the kit file KIT in a maximized window, its standard ROW current and the response view
// pointing at a frequency; with --fit ROW KIT the same with the Fit to Measurement dialog open
// on a made-up measurement of standard ROW; with --compare the comparison of the active kit with a
// changed copy of it. Run it on a display of at least 1280 x 800 pixels (for example under xvfb-run);
// for the dialog, point TESSALY_GPIB32_LIBRARY and TESSALY_SICL_LIBRARY at the substitute
// libraries so that both drivers can be chosen.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QLocale>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QSplitter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <random>

#include "analyzers/Vna.h"
#include "bus/GpibCardUnit.h"
#include "kit/CalKit.h"
#include "kit/KitFile.h"
#include "response/ResponseSweep.h"
#include "response/StandardTouchstone.h"
#include "ui/components/CoreText.h"
#include "ui/components/HelpHook.h"
#include "ui/components/UserLocale.h"
#include "ui/dialogs/GpibDebugUnit.h"
#include "ui/dialogs/UserMsg.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/editor/StandardCells.h"
#include "ui/editor/StandardsPage.h"
#include "ui/fit/FitDialog.h"
#include "ui/grid/DataGrid.h"
#include "ui/main/KitWindows.h"
#include "ui/main/FileDialogs.h"
#include "ui/main/KitWorkspace.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainForm.h"
#include "ui/response/ResponsePicture.h"
#include "ui/response/ResponseView.h"

namespace {

struct TExampleStandard {
    int Number;
    TStdType Type;
    double C0, C1, C2, C3;
    double OffsetDelay, OffsetLoss, MaxFreq;
    const char* Label;
};

// Invented values of a 3.5 mm coaxial kit, as an engineer would type them in.
const TExampleStandard ExampleStandards[] = {
    {1, TStdType::Short, 2.0765, -108.54, 2.1705, -0.01, 31.785, 2.36, 999, "SHORT"},
    {2, TStdType::Open, 49.433, -310.13, 23.168, -0.15966, 29.243, 2.2, 999, "OPEN"},
    {3, TStdType::Load, 0, 0, 0, 0, 0, 2.2, 999, "BROADBAND"},
    {4, TStdType::Thru, 0, 0, 0, 0, 0, 2.2, 999, "THRU"},
    {5, TStdType::Load, 0, 0, 0, 0, 0, 2.2, 999, "SLIDING"},
    {6, TStdType::Load, 0, 0, 0, 0, 0, 2.2, 2, "LOWBAND"},
    {7, TStdType::Short, 2.0765, -108.54, 2.1705, -0.01, 31.785, 2.36, 999, "SHORT F"},
    {8, TStdType::Open, 49.433, -310.13, 23.168, -0.15966, 29.243, 2.2, 999, "OPEN F"},
};

// changed: the copy that File > Compare with... compares with, a few values apart.
void WriteExampleKit(const QString& fileName, const char* modelName, const char* label, const char* description,
                     int standards, bool changed = false)
{
    TVna* vna = FindVna(modelName);
    if (!vna)
        return;
    TCalKit kit(*vna);
    kit.SetLabel(label);
    kit.SetDescription(description);
    for (int i = 0; i < standards && i < static_cast<int>(std::size(ExampleStandards)); ++i) {
        const TExampleStandard& example = ExampleStandards[i];
        TStandard& standard = kit.Standard(example.Number);
        standard.SetStdType(example.Type);
        standard.SetC0(example.C0);
        standard.SetC1(example.C1);
        standard.SetC2(example.C2);
        standard.SetC3(example.C3);
        standard.SetOffsetDelay(example.OffsetDelay);
        standard.SetOffsetLoss(example.OffsetLoss);
        standard.SetMaxFreq(example.MaxFreq);
        standard.SetLabel(example.Label);
        if (example.Label == std::string("SLIDING"))
            standard.SetLoadType(TLoadType::Sliding);
    }
    if (changed) {
        kit.Standard(2).SetOffsetDelay(29.25);
        kit.Standard(5).SetLoadType(TLoadType::Fixed);
        kit.StdClass(2).SetStd(2, 7);
        kit.SetSystemZ0(75);
    }
    WriteKitFile(kit, ToCorePath(fileName));
}

enum class TScene { Kits, GpibSettings, SendInProgress, Help, Response, Compare, Fit };

// The grid's height in the response pictures: the heading and seven rows.
constexpr int ResponseGridHeight = 36 + 7 * 24 + 4;
// Where the pointer rests on the phase plot, as a share of its width.
constexpr double ResponsePointerShare = 0.4;

// Answers the open dialog with one file name.
class TChosenFile final : public TFileDialogs {
public:
    explicit TChosenFile(QString name) : FName(std::move(name)) {}
    std::optional<QString> Execute(const TFileDialogRequest&) override { return FName; }

private:
    QString FName;
};

// The part of the screen that rectangle covers.
bool SaveScreen(const QWidget& on, const QRect& rectangle, const char* fileName)
{
    const QPixmap shot =
        on.screen()->grabWindow(0, rectangle.x(), rectangle.y(), rectangle.width(), rectangle.height());
    if (shot.save(QString::fromLocal8Bit(fileName)))
        return true;
    std::fprintf(stderr, "tessaly-screenshot: cannot write %s\n", fileName);
    return false;
}

// Calls step every few milliseconds until it returns true.
void Repeat(QObject* owner, std::function<bool()> step)
{
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, step] {
        if (step()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(5);
}

// The GPIB Settings dialog as the menu command shows it; the SICL card, board 7, is current.
void ShootGpibSettings(TMainForm& mainForm, const char* fileName, int& status)
{
    auto shown = std::make_shared<QElapsedTimer>();
    Repeat(&mainForm, [&mainForm, fileName, &status, shown] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible() || !dialog->windowHandle() || !dialog->windowHandle()->isExposed())
            return false;
        // Grabbed once the window system has placed and drawn it.
        if (!shown->isValid())
            shown->start();
        if (shown->elapsed() < 300)
            return false;
        status = SaveScreen(mainForm, dialog->frameGeometry(), fileName) ? 0 : 1;
        dialog->close();
        return true;
    });
    mainForm.Actions().GpibSetting->trigger();
}

// The main window while the active kit goes to the analyzer (the no-bus card stands in for
// one), grabbed when the bar is about half way; Cancel then ends the send.
void ShootSendInProgress(TMainForm& mainForm, const char* fileName, int& status)
{
    SetNoGpib(true);
    mainForm.UpdateActions();
    TUserMsgForm& dialog = mainForm.UserMsgForm();
    Repeat(&mainForm, [&mainForm, &dialog, fileName, &status] {
        if (!dialog.isVisible() || dialog.Position() < TUserMsgForm::ProgressMaximum / 2)
            return false;
        status = SaveScreen(mainForm, mainForm.frameGeometry(), fileName) ? 0 : 1;
        dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        // The message that the send was cancelled.
        Repeat(&mainForm, [] {
            QWidget* message = QApplication::activeModalWidget();
            if (message)
                message->close();
            return message != nullptr;
        });
        return true;
    });
    mainForm.Actions().GpibSendKit->trigger();
}

// The help window where it first opens, on the tutorial, once it has drawn its topic.
void ShootHelp(const TMainForm& mainForm, const char* fileName, int& status)
{
    ShowHelpKeyword(QStringLiteral("tutorial1"));
    QWidget* help = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QStringLiteral("HelpWindow"))
            help = window;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 500)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    status = help && SaveScreen(mainForm, help->frameGeometry(), fileName) ? 0 : 1;
}

// The active kit's window fills the workspace; standard row is current, and the pointer
// rests on the response view's phase plot so the read-out shows.
void ShowResponse(TMainForm& mainForm, int row)
{
    TCalKitEditForm* editor = mainForm.ActiveEditor();
    if (!editor)
        return;
    if (auto* window = qobject_cast<QMdiSubWindow*>(editor->parentWidget()))
        window->showMaximized();
    QApplication::processEvents();
    TStandardsPage& page = editor->StandardsPage();
    QSplitter& splitter = page.Splitter();
    splitter.setSizes({ResponseGridHeight, splitter.height() - ResponseGridHeight});
    page.Grid().SetCurrentCell(StdColumn::Type, row);
    QApplication::processEvents();
    TResponseView& view = page.ResponseView();
    const TResponsePicture picture(view.Curves(), view.ExtraTraces(), view.font());
    const QRectF phase = picture.Layout(view.rect()).Phase;
    const QPointF at(phase.left() + phase.width() * ResponsePointerShare, phase.center().y());
    QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
}

// File > Compare with... the kit file other: the choice answered with Kit File, the
// comparison window grabbed and closed.
void ShootComparison(TMainForm& mainForm, const QString& other, const char* fileName, int& status)
{
    mainForm.SetFileDialogs(std::make_unique<TChosenFile>(other));
    Repeat(&mainForm, [&mainForm, fileName, &status] {
        QWidget* source = QApplication::activeModalWidget();
        if (!source || !source->isVisible())
            return false;
        Repeat(&mainForm, [&mainForm, fileName, &status] {
            QWidget* window = QApplication::activeModalWidget();
            if (!window || !window->isVisible() || window->objectName() != QLatin1String("KitComparisonForm"))
                return false;
            status = SaveScreen(mainForm, window->frameGeometry(), fileName) ? 0 : 1;
            window->close();
            return true;
        });
        source->findChild<QPushButton*>(QStringLiteral("btnKitFile"))->click();
        return true;
    });
    mainForm.Actions().FileCompare->trigger();
}

// A measurement of standard row of the kit for the fit picture: its modelled response with
// 10 % more C0 (a home-made open) and a little noise, written into folder.
QString WriteMeasurement(const TCalKit& kit, int row, const QString& folder)
{
    auto copy = TCalKit::CreateCopy(kit);
    TStandard& standard = copy->Standard(row);
    standard.SetC0(standard.C0() * 1.1);
    TTouchstoneData data = StandardTouchstone(*copy, row, SweepFrequencies(DefaultSweep(*copy, row)));
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0, 2e-3);
    for (TSParameters& s : data.Points)
        s.S11 += TComplex{noise(random), noise(random)};
    const QString fileName = folder + QStringLiteral("/measured open.s1p");
    WriteTouchstone(ToCorePath(fileName), data);
    return fileName;
}

// The response of standard row with the fit dialog beside it, the measurement loaded.
std::unique_ptr<TFitDialog> ShowFit(TMainForm& mainForm, int row, const QString& folder)
{
    TCalKitEditForm* editor = mainForm.ActiveEditor();
    if (!editor)
        return nullptr;
    ShowResponse(mainForm, row);
    auto dialog = std::make_unique<TFitDialog>(*editor, row, &mainForm);
    dialog->LoadFile(WriteMeasurement(editor->Kit(), row, folder));
    dialog->resize(560, 300);
    dialog->show();
    const QRect frame = mainForm.frameGeometry();
    dialog->move(frame.right() - dialog->frameGeometry().width() - 16, frame.top() + 90);
    QApplication::processEvents();
    return dialog;
}

}  // namespace

int main(int argc, char** argv)
{
    TScene scene = TScene::Kits;
    int responseRow = 0;
    QString responseKit;
    if (argc == 5 && (std::strcmp(argv[1], "--response") == 0 || std::strcmp(argv[1], "--fit") == 0)) {
        scene = std::strcmp(argv[1], "--fit") == 0 ? TScene::Fit : TScene::Response;
        responseRow = std::atoi(argv[2]);
        responseKit = QString::fromLocal8Bit(argv[3]);
    } else if (argc == 3 && std::strcmp(argv[1], "--gpib-settings") == 0)
        scene = TScene::GpibSettings;
    else if (argc == 3 && std::strcmp(argv[1], "--send") == 0)
        scene = TScene::SendInProgress;
    else if (argc == 3 && std::strcmp(argv[1], "--help") == 0)
        scene = TScene::Help;
    else if (argc == 3 && std::strcmp(argv[1], "--compare") == 0)
        scene = TScene::Compare;
    else if (argc != 2) {
        std::fprintf(stderr, "usage: tessaly-screenshot [--gpib-settings | --send | --help | --compare | "
                             "--response ROW KIT | --fit ROW KIT] OUTPUT.png\n");
        return 2;
    }
    const char* const output = argv[argc - 1];
    const QTemporaryDir work;
    if (!work.isValid())
        return 1;
    // A settings store of its own, so the user's recent files stay untouched.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(work.path() + QStringLiteral("/config")));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, work.path() + QStringLiteral("/config"));
    {
        QSettings settings(QStringLiteral("Brightmoor"), QStringLiteral("Tessaly 2_1"));
        settings.setValue(QStringLiteral("GPIB/GpibCard"), QStringLiteral("1"));
        settings.setValue(QStringLiteral("GPIB/BoardNumber"), QStringLiteral("7"));
    }
    qputenv("TESSALY_SPLASH_MILLISECONDS", "0");

    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/tessaly.svg")));
    Vnas();
    InstallUserLocaleFormat(QLocale());
    CreateGpibCards();

    const QString first = work.path() + QStringLiteral("/3.5mm lab kit.tsy");
    const QString second = work.path() + QStringLiteral("/PNA port kit.tsy");
    WriteExampleKit(first, "8753D/E", "3.5MM LAB", "3.5 mm coaxial kit of the RF lab", 8);
    WriteExampleKit(second, "PNA", "PNA 3.5", "3.5 mm kit for the PNA test set", 4);
    const QString changed = work.path() + QStringLiteral("/3.5mm lab kit, March.tsy");
    WriteExampleKit(changed, "8753D/E", "3.5MM LAB", "3.5 mm coaxial kit of the RF lab", 8, true);

    int status = 1;
    {
        const bool oneKit = scene == TScene::Response || scene == TScene::Fit;
        TMainForm mainForm(oneKit ? QStringList{responseKit} : QStringList{second, first});
        mainForm.resize(1200, 720);
        mainForm.move(0, 0);
        mainForm.show();

        QElapsedTimer waited;
        waited.start();
        while (!mainForm.FirstShowDone() && waited.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        mainForm.Workspace().TileHorizontally();
        if (TCalKitEditForm* editor = mainForm.ActiveEditor())
            mainForm.KitWindows().Activate(*editor);
        if (scene == TScene::Response)
            ShowResponse(mainForm, responseRow);
        std::unique_ptr<TFitDialog> fitDialog;
        if (scene == TScene::Fit)
            fitDialog = ShowFit(mainForm, responseRow, work.path());
        mainForm.UpdateStatusText(QString());

        QTimer::singleShot(800, &application, [&] {
            switch (scene) {
            case TScene::Kits:
            case TScene::Response:
            case TScene::Fit:
                status = SaveScreen(mainForm, mainForm.frameGeometry(), output) ? 0 : 1;
                break;
            case TScene::GpibSettings:
                ShootGpibSettings(mainForm, output, status);
                break;
            case TScene::SendInProgress:
                ShootSendInProgress(mainForm, output, status);
                break;
            case TScene::Help:
                ShootHelp(mainForm, output, status);
                break;
            case TScene::Compare:
                ShootComparison(mainForm, changed, output, status);
                break;
            }
            application.quit();
        });
        QApplication::exec();
        for (TCalKitEditForm* editor : mainForm.KitWindows().Editors())
            editor->AgreeToClose();
    }
    FreeGpibCards();
    return status;
}
