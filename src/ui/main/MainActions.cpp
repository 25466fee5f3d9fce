#include "ui/main/MainActions.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QWidget>

namespace {

// The image list: position and resource of each image.
struct TImage {
    int Position;
    const char* Resource;
};

constexpr TImage Images[] = {
    {0, ":/icons/cut.svg"},        {1, ":/icons/copy.svg"},         {2, ":/icons/paste.svg"},
    {3, ":/icons/undo.svg"},       {4, ":/icons/redo.svg"},         {5, ":/icons/clearrow.svg"},
    {6, ":/icons/new.svg"},        {7, ":/icons/open.svg"},         {8, ":/icons/save.svg"},
    {11, ":/icons/whatsthis.svg"}, {14, ":/icons/print.svg"},       {15, ":/icons/tilehorizontal.svg"},
    {16, ":/icons/tilevertical.svg"}, {17, ":/icons/cascade.svg"}, {18, ":/icons/saveall.svg"},
    {19, ":/icons/sendkit.svg"},   {21, ":/icons/helpcontents.svg"},
};

}  // namespace

const QList<TActionDefinition>& TMainActions::Definitions()
{
    static const QList<TActionDefinition> definitions{
        {"FileNew", "File", "&New", "Ctrl+N", "New", "Create a new cal kit", 3010, 6},
        {"FileOpen", "File", "&Open...", "Ctrl+O", "Open", "Open an existing cal kit file", 3012, 7},
        {"FileClose", "File", "&Close", "", "Close", "Close the active cal kit", 3014, -1},
        {"FileCloseAll", "File", "C&lose All", "", "Close All", "Close all open cal kits", 3016, -1},
        {"FileSave", "File", "&Save", "Ctrl+S", "Save", "Save the active cal kit to disk", 3018, 8},
        {"FileSaveAs", "File", "Save &As...", "", "Save As", "Save the active cal kit to disk with a new name", 3020,
         -1},
        {"FileSaveAll", "File", "Sa&ve All", "", "Save All", "Save all open cal kits to disk", 3022, 18},
        {"FileOpenVnaDiskFile", "File", "Open VNA &Disk File...", "", "Open VNA Disk File",
         "Open a cal kit file created by a VNA", 3032, -1},
        {"FileSaveAsVnaDiskFile", "File", "Save as VNA Disk &File...", "", "Save as VNA Disk",
         "Save the active cal kit in a file that is readable by a VNA", 3034, -1},
        {"FileExportToText", "File", "&Export to Text File...", "", "Export To Text File",
         "Save the active cal kit as a text file (tab delimited)", 3024, -1},
        {"FilePageSetup", "File", "Page Set&up...", "", "PageSetup", "Change the page layout settings", 3036, -1},
        {"FilePrint", "File", "&Print...", "Ctrl+P", "Print", "Print the active cal kit", 3038, 14},
        {"FilePrintToClipboard", "File", "Print to Clip&board", "", "Print to Clipboard",
         "Copy all the cal kit data to the clipboard as a graphic", 3040, -1},
        {"FileExit", "File", "E&xit", "", "Exit", "Exit and close the application", 3044, -1},
        {"EditUndo", "Edit", "&Undo", "Ctrl+Z", "Undo", "Undo the last edit", 3110, 3},
        {"EditRedo", "Edit", "&Redo", "Ctrl+Y", "Redo", "Redo the last undone edit", 3112, 4},
        {"EditCut", "Edit", "Cu&t", "Ctrl+X", "Cut", "Deletes the selection and puts it on the Clipboard", 3114, 0},
        {"EditCopy", "Edit", "&Copy", "Ctrl+C", "Copy", "Copies the selection to the Clipboard", 3116, 1},
        {"EditPaste", "Edit", "&Paste", "Ctrl+V", "Paste", "Insert Clipboard contents", 3118, 2},
        {"EditClearRow", "Edit", "C&lear Row", "", "Clear Row", "Delete the selected standard or class", 3120, 5},
        {"EditFitToMeasurement", "Edit", "&Fit to Measurement...", "", "Fit to Measurement",
         "Fit the selected standard's values to a measured Touchstone file", 5300, -1},
        {"GpibSetting", "GPIB", "&GPIB Settings...", "", "GPIB Settings", "Configure the GPIB card settings", 3310,
         -1},
        {"GpibCheck", "GPIB", "&Check GPIB", "", "Check GPIB", "Check operation of GPIB connection to VNA", 3312, -1},
        {"GpibSendKit", "GPIB", "&Send Kit to VNA", "", "Send Kit to VNA",
         "Download cal kit data from the active kit to the VNA over GPIB", 3314, 19},
        {"GpibReadKit", "GPIB", "&Read Kit from VNA", "", "Read Kit from VNA",
         "Upload cal kit data from the VNA to a new cal kit over GPIB", 3316, -1},
        {"GpibOption1", "GPIB", "", "", "", "", 3318, -1},
        {"GpibOption2", "GPIB", "", "", "", "", 3318, -1},
        {"GpibOption3", "GPIB", "", "", "", "", 3318, -1},
        {"GpibOption4", "GPIB", "", "", "", "", 3318, -1},
        {"WindowCascade", "Window", "&Cascade", "", "Cascade", "Cascade the cal kit windows so they overlap", 3410,
         17},
        {"WindowTileHorizontal", "Window", "Tile &Horizontally", "", "Tile Horizontally",
         "Arrange cal kit windows side-by-side so all are visible", 3412, 15},
        {"WindowTileVertical", "Window", "Tile &Vertically", "", "Tile Vertically",
         "Arrange cal kit windows side-by-side so all are visible", 3414, 16},
        {"WindowCloseAll", "Window", "C&lose All", "", "Close All", "Close all open cal kits", 3416, -1},
        {"HelpContents", "Help", "&Contents and Index", "F1", "Contents and Index",
         "Display the application's help file", 3510, 21},
        {"HelpWhatsThis", "Help", "&What's This?", "Shift+F1", "What's This?", "What's This? mode for pop-up help",
         3512, 11},
        {"HelpOnHelp", "Help", "&How to Use Help", "", "How to Use Help", "Instructions for using Microsoft Help",
         3514, -1},
        {"HelpTutorial", "Help", "&Quick Start Tutorial", "", "Quick Start Tutorial",
         "View a brief \"getting started\" tutorial ", 3516, -1},
        {"HelpHomePage", "Help", "&Brightmoor Home Page", "", "Brightmoor Home Page",
         "Open the Brightmoor home page in the internet browser", 3518, -1},
        {"HelpAbout", "Help", "&About Tessaly...", "", "About",
         "Displays program information, version number, and copyright", 3520, -1},
        {"FileCompare", "File", "Co&mpare with...", "", "Compare with",
         "Compare the active cal kit with a kit file or with the VNA's kit", 5200, -1},
    };
    return definitions;
}

QIcon TMainActions::Image(int image)
{
    for (const TImage& entry : Images)
        if (entry.Position == image)
            return QIcon(QString::fromLatin1(entry.Resource));
    return QIcon();
}

TMainActions::TMainActions(QWidget& owner) : QObject(&owner)
{
    QAction** const fields[] = {
        &FileNew,       &FileOpen,       &FileClose,          &FileCloseAll,        &FileSave,
        &FileSaveAs,    &FileSaveAll,    &FileOpenVnaDiskFile, &FileSaveAsVnaDiskFile, &FileExportToText,
        &FilePageSetup, &FilePrint,      &FilePrintToClipboard, &FileExit,           &EditUndo,
        &EditRedo,      &EditCut,        &EditCopy,           &EditPaste,           &EditClearRow,
        &EditFitToMeasurement,
        &GpibSetting,   &GpibCheck,      &GpibSendKit,        &GpibReadKit,         &GpibOption1,
        &GpibOption2,   &GpibOption3,    &GpibOption4,        &WindowCascade,       &WindowTileHorizontal,
        &WindowTileVertical, &WindowCloseAll, &HelpContents,  &HelpWhatsThis,       &HelpOnHelp,
        &HelpTutorial,  &HelpHomePage,   &HelpAbout,          &FileCompare,
    };
    static_assert(sizeof fields / sizeof fields[0] == 39);
    const QList<TActionDefinition>& definitions = Definitions();
    for (qsizetype i = 0; i < definitions.size(); ++i) {
        QAction* action = Make(owner, definitions[i]);
        *fields[i] = action;
        FAll.append(action);
    }
    for (int option = 1; option <= 4; ++option)
        Find(QStringLiteral("GpibOption%1").arg(option))->setData(option);
}

QAction* TMainActions::Make(QWidget& owner, const TActionDefinition& definition)
{
    auto* action = new QAction(QString::fromLatin1(definition.Caption), &owner);
    action->setObjectName(QString::fromLatin1(definition.Name));
    action->setProperty("category", QString::fromLatin1(definition.Category));
    action->setProperty("helpContext", definition.HelpContext);
    const QString tooltip = QString::fromLatin1(definition.Tooltip);
    const QString statusHint = QString::fromLatin1(definition.StatusHint);
    if (!tooltip.isEmpty() || !statusHint.isEmpty())
        action->setProperty("hint", tooltip + QLatin1Char('|') + statusHint);
    action->setToolTip(tooltip);
    action->setStatusTip(statusHint);
    action->setWhatsThis(statusHint);
    if (*definition.Shortcut)
        action->setShortcut(QKeySequence(QString::fromLatin1(definition.Shortcut)));
    if (definition.Image >= 0)
        action->setIcon(Image(definition.Image));
    action->setEnabled(false);
    owner.addAction(action);
    return action;
}

QAction* TMainActions::Find(const QString& name) const
{
    for (QAction* action : FAll)
        if (action->objectName() == name)
            return action;
    return nullptr;
}

int TMainActions::HelpContextOf(const QObject& object)
{
    return object.property("helpContext").toInt();
}
