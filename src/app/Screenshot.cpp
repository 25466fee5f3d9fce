// Makes the documentation's screenshot: the program's main window with two example kits
// open, grabbed from the screen into the PNG file named by the first argument. Run it on a
// display of at least 1280 x 800 pixels (for example under xvfb-run).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QLocale>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/KitFile.h"
#include "ui/components/CoreText.h"
#include "ui/components/UserLocale.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/main/KitWindows.h"
#include "ui/main/KitWorkspace.h"
#include "ui/main/MainForm.h"

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

void WriteExampleKit(const QString& fileName, const char* modelName, const char* label, const char* description,
                     int standards)
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
    WriteKitFile(kit, ToCorePath(fileName));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: tessaly-screenshot OUTPUT.png\n");
        return 2;
    }
    const QTemporaryDir work;
    if (!work.isValid())
        return 1;
    // A settings store of its own, so the user's recent files stay untouched.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(work.path() + QStringLiteral("/config")));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, work.path() + QStringLiteral("/config"));

    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/tessaly.svg")));
    Vnas();
    InstallUserLocaleFormat(QLocale());

    const QString first = work.path() + QStringLiteral("/3.5mm lab kit.tsy");
    const QString second = work.path() + QStringLiteral("/PNA port kit.tsy");
    WriteExampleKit(first, "8753D/E", "3.5MM LAB", "3.5 mm coaxial kit of the RF lab", 8);
    WriteExampleKit(second, "PNA", "PNA 3.5", "3.5 mm kit for the PNA test set", 4);

    TMainForm mainForm({second, first});
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
    mainForm.UpdateStatusText(QString());

    int status = 1;
    QTimer::singleShot(800, &application, [&] {
        const QRect frame = mainForm.frameGeometry();
        QScreen* screen = mainForm.screen();
        const QPixmap shot = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        status = shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        if (status != 0)
            std::fprintf(stderr, "tessaly-screenshot: cannot write %s\n", argv[1]);
        application.quit();
    });
    QApplication::exec();
    return status;
}
