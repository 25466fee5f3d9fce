#include "ui/editor/CalKitEdit.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "analyzers/BusTransfer.h"
#include "kit/CalKit.h"
#include "kit/KitFile.h"
#include "kit/TextExport.h"
#include "kit/Utility.h"
#include "response/StandardFit.h"
#include "ui/components/CoreText.h"
#include "ui/editor/ClassesPage.h"
#include "ui/editor/ClipboardCommands.h"
#include "ui/editor/EditorFonts.h"
#include "ui/editor/EditorHost.h"
#include "ui/editor/KitPropertiesPage.h"
#include "ui/editor/KitSnapshot.h"
#include "ui/editor/PropertyEditing.h"
#include "ui/editor/StandardsPage.h"
#include "ui/fit/FitDialog.h"
#include "ui/grid/DataGrid.h"

namespace {

const char* const ModelChangeCaption = "VNA selection";
const char* const TypingCaption = "typing";

}  // namespace

TCalKitEditForm::TCalKitEditForm(TEditorHost& host, QWidget* parent)
    : QWidget(parent),
      FHost(host),
      FKit(TCalKit::Create(host.CurrentVna())),
      FPageControl(new QTabWidget(this)),
      FStandardsPage(new TStandardsPage(*this)),
      FClassesPage(new TClassesPage(*this)),
      FPropertiesPage(new TKitPropertiesPage(*this)),
      FClipboardCommands(new TClipboardCommands(*this))
{
    setObjectName(QStringLiteral("CalKitEditForm"));
    setAccessibleName(tr("Cal kit editor"));
    setAccessibleDescription(tr("Edits one calibration kit on three pages"));
    setMinimumSize(MinimumWidth, MinimumHeight);
    resize(InitialWidth, InitialHeight);

    FUndoHistory.SetSize(UndoSize);
    FUndoHistory.OnDirtyChange = [this](TUndoHistory&) { UndoHistoryDirtyChange(); };

    FPageControl->setObjectName(QStringLiteral("PageControl"));
    FPageControl->setAccessibleName(tr("Cal kit pages"));
    FPageControl->setAccessibleDescription(tr("Standard definitions, class assignments and kit properties"));
    FPageControl->tabBar()->setFont(BoldFontOfHeight(FPageControl->tabBar()->font(), HeadingLineHeight));
    FPageControl->tabBar()->setFocusPolicy(Qt::NoFocus);
    FPageControl->setFocusPolicy(Qt::NoFocus);
    FPageControl->setDocumentMode(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FPageControl);

    AddPage(*FStandardsPage, tr("  &Standard Definitions  "));
    AddPage(*FClassesPage, tr("  &Class Assignments  "));
    AddPage(*FPropertiesPage, tr("  Cal Kit &Properties  "));
    // The calibration type sits on the class page but is a kit property like the others.
    FPropertiesPage->Editing().AttachCalType(FClassesPage->CalTypeControl(),
                                             [this] { FClassesPage->ShowActiveClassRows(); });
    FClipboardCommands->WatchGrid(FStandardsPage->Grid());
    FClipboardCommands->WatchGrid(FClassesPage->Grid());

    BuildPages();
    FPageControl->setCurrentWidget(FStandardsPage);
    connect(FPageControl, &QTabWidget::currentChanged, this,
            [this](int index) { TabSheetEnter(FPageControl->widget(index)); });
}

TCalKitEditForm::~TCalKitEditForm()
{
    // The pages go first: the grids ask their pages, which read the kit. The property
    // controls stop following the focus before any of them goes.
    FPropertiesPage->Editing().Detach();
    delete FPageControl;
    FPageControl = nullptr;
    FPages.clear();
    FUndoHistory.OnDirtyChange = nullptr;
}

void TCalKitEditForm::AddPage(TEditorPage& page, const QString& caption)
{
    FPageControl->addTab(&page.PageWidget(), caption);
    FPages.push_back(&page);
}

void TCalKitEditForm::SetStatusText(const QString& text)
{
    if (text == FStatusText)
        return;
    FStatusText = text;
    FHost.EditorStateChanged(*this);
}

TEditorPage* TCalKitEditForm::PageOf(QWidget* widget) const
{
    for (TEditorPage* page : FPages)
        if (&page->PageWidget() == widget)
            return page;
    return nullptr;
}

void TCalKitEditForm::BuildPages()
{
    for (TEditorPage* page : FPages)
        page->BuildPage(FKit->Vna());
}

void TCalKitEditForm::RefreshPages()
{
    FKit->Revalidate();
    for (TEditorPage* page : FPages)
        page->RefreshPage();
    TabSheetEnter(FPageControl->currentWidget());
}

void TCalKitEditForm::TabSheetEnter(QWidget* page)
{
    if (TEditorPage* editorPage = PageOf(page))
        editorPage->EnterPage();
}

void TCalKitEditForm::ShowPage(TEditorPage& page)
{
    FPageControl->setCurrentWidget(&page.PageWidget());
}

void TCalKitEditForm::ChangeVna(TVna& vna)
{
    FHost.SetCurrentVna(vna);
    if (&vna != &FKit->Vna()) {
        auto action = std::make_unique<TUndoAction>();
        action->SetBefore(std::make_unique<TKitSnapshot>(TCalKit::CreateCopy(*FKit)));
        FKit->SetVna(vna);
        BuildPages();
        RefreshPages();
        action->SetAfter(std::make_unique<TKitSnapshot>(TCalKit::CreateCopy(*FKit)));
        action->SetUndoCaption(ModelChangeCaption);
        action->SetRedoCaption(ModelChangeCaption);
        action->OnUndo = [this](TUndoAction& done) { RestoreKit(done.BeforeAs<TKitSnapshot>()->Kit()); };
        action->OnRedo = [this](TUndoAction& done) { RestoreKit(done.AfterAs<TKitSnapshot>()->Kit()); };
        FUndoHistory.AddAction(std::move(action));
    } else {
        BuildPages();
        RefreshPages();
    }
    FHost.EditorStateChanged(*this);
}

void TCalKitEditForm::RestoreKit(const TCalKit& snapshot)
{
    FKit->Assign(snapshot);
    ChangeVna(FKit->Vna());
}

void TCalKitEditForm::FormActivate()
{
    ChangeVna(FKit->Vna());
    TabSheetEnter(FPageControl->currentWidget());
}

void TCalKitEditForm::RecordTyping(const QString& oldText, const QString& newText, int tag)
{
    if (oldText == newText)
        return;
    auto action = std::make_unique<TUndoAction>();
    action->SetTag(tag);
    action->SetBefore(std::make_unique<TTextObject>(ToCore(oldText)));
    action->SetAfter(std::make_unique<TTextObject>(ToCore(newText)));
    action->SetUndoCaption(TypingCaption);
    action->SetRedoCaption(TypingCaption);
    action->OnUndo = [this](TUndoAction& done) {
        RestoreTyping(done.Tag(), FromCore(done.BeforeAs<TTextObject>()->Text()));
    };
    action->OnRedo = [this](TUndoAction& done) {
        RestoreTyping(done.Tag(), FromCore(done.AfterAs<TTextObject>()->Text()));
    };
    FUndoHistory.AddAction(std::move(action));
    FUndoHistory.SetTypingInProgress(true);
    FHost.EditorStateChanged(*this);
}

void TCalKitEditForm::RestoreTyping(int tag, const QString& text)
{
    for (TEditorPage* page : FPages)
        if (page->RestoreTyping(tag, text))
            break;
    FUndoHistory.SetTypingInProgress(false);
}

void TCalKitEditForm::EditUndo()
{
    FUndoHistory.Undo();
    FHost.EditorStateChanged(*this);
}

void TCalKitEditForm::EditRedo()
{
    FUndoHistory.Redo();
    FHost.EditorStateChanged(*this);
}

void TCalKitEditForm::EditCut()
{
    FClipboardCommands->EditCut();
    FHost.EditorStateChanged(*this);
}

void TCalKitEditForm::EditCopy()
{
    FClipboardCommands->EditCopy();
    FHost.EditorStateChanged(*this);
}

void TCalKitEditForm::EditPaste()
{
    FClipboardCommands->EditPaste();
    FHost.EditorStateChanged(*this);
}

void TCalKitEditForm::EditClearRow()
{
    FClipboardCommands->EditClearRow();
    FHost.EditorStateChanged(*this);
}

bool TCalKitEditForm::CanCutOrCopy() const
{
    return FClipboardCommands->CanCutOrCopy();
}

bool TCalKitEditForm::CanPaste() const
{
    return FClipboardCommands->CanPaste();
}

bool TCalKitEditForm::CanClearRow() const
{
    return FClipboardCommands->CanClearRow();
}

void TCalKitEditForm::EditFitToMeasurement()
{
    if (!CanFitToMeasurement())
        return;
    FStandardsPage->Grid().EndEdit();
    TFitDialog dialog(*this, FStandardsPage->Grid().CurrentRow(), this);
    dialog.exec();
    FHost.EditorStateChanged(*this);
}

bool TCalKitEditForm::CanFitToMeasurement() const
{
    if (FPageControl->currentWidget() != &FStandardsPage->PageWidget())
        return false;
    const int row = FStandardsPage->Grid().CurrentRow();
    return row >= 1 && row <= FKit->Vna().NumStandards && !FittableParameters(FKit->Standard(row)).empty();
}

void TCalKitEditForm::ChangeStandard(int number, const char* caption, const std::function<bool(TStandard&)>& change)
{
    FClipboardCommands->Rows().ChangeStandard(number, caption, change);
    FStandardsPage->RefreshPage();
    FHost.EditorStateChanged(*this);
}

void TCalKitEditForm::StateChanged()
{
    FHost.EditorStateChanged(*this);
}

void TCalKitEditForm::LoadKitFile(const QString& fileName)
{
    ReadKitFile(*FKit, ToCorePath(fileName));
    FFileName = fileName;
    ChangeVna(FKit->Vna());
}

void TCalKitEditForm::SaveKitFile(const QString& fileName)
{
    WriteKitFile(*FKit, ToCorePath(fileName));
    FUndoHistory.MarkClean();
    FFileName = fileName;
    setWindowTitle(QFileInfo(fileName).fileName());
    FKit->SetDateLastModified(TodayOleDate());
    for (TEditorPage* page : FPages)
        if (page->PageTag() == 3)
            page->RefreshPage();
    FHost.EditorStateChanged(*this);
}

void TCalKitEditForm::ExportText(const QString& fileName, char delimiter)
{
    ::ExportText(*FKit, ToCorePath(fileName), delimiter);
}

void TCalKitEditForm::ReadDiskFile(const QString& fileName)
{
    FKit->Vna().ReadDiskFile(*FKit, ToCorePath(fileName));
    FUndoHistory.MarkDirtyForever();
    // The read may have put the kit on another model of the family.
    ChangeVna(FKit->Vna());
}

void TCalKitEditForm::WriteDiskFile(const QString& fileName)
{
    FKit->Vna().WriteDiskFile(*FKit, ToCorePath(fileName));
}

void TCalKitEditForm::SendKitToVna(TGpibCard& card, const TProgressProc& progress)
{
    SendKitToAnalyzer(*FKit, card, progress);
}

void TCalKitEditForm::ReadKitFromVna(TGpibCard& card, const TProgressProc& progress)
{
    ReadKitFromAnalyzer(*FKit, card, progress);
    FUndoHistory.MarkDirtyForever();
    RefreshPages();
}

QString TCalKitEditForm::CloseQuestionText()
{
    return tr("The cal kit data has been modified. \nDo you want to save the changes?");
}

bool TCalKitEditForm::CloseQuery()
{
    if (!FUndoHistory.IsDirty())
        return true;
    QString caption = windowTitle();
    caption.chop(1);
    QMessageBox question(QMessageBox::Question, caption, CloseQuestionText(),
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    question.setObjectName(QStringLiteral("CloseQuestion"));
    question.setDefaultButton(QMessageBox::Yes);
    switch (question.exec()) {
    case QMessageBox::Yes:
        FHost.SaveEditor(*this);
        return !FUndoHistory.IsDirty();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void TCalKitEditForm::closeEvent(QCloseEvent* event)
{
    if (FCloseAgreed || CloseQuery()) {
        FCloseAgreed = true;
        event->accept();
    } else {
        event->ignore();
    }
}

void TCalKitEditForm::UndoHistoryDirtyChange()
{
    QString title = windowTitle();
    if (FUndoHistory.IsDirty()) {
        if (!title.endsWith(QLatin1Char('*')))
            setWindowTitle(title + QLatin1Char('*'));
    } else if (title.endsWith(QLatin1Char('*'))) {
        title.chop(1);
        setWindowTitle(title);
    }
    FHost.EditorStateChanged(*this);
}
