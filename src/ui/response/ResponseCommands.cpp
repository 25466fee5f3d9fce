#include "ui/response/ResponseCommands.h"

#include <QAction>
#include <QFileInfo>

#include "kit/CalKit.h"
#include "kit/FileImage.h"
#include "response/StandardTouchstone.h"
#include "response/Touchstone.h"
#include "ui/components/CoreText.h"
#include "ui/editor/CalKitEdit.h"
#include "ui/editor/EditorHost.h"
#include "ui/help/WhatsThis.h"
#include "ui/main/FileDialogs.h"
#include "ui/response/ResponseView.h"

namespace {

QAction* MakeAction(TResponseView& view, const char* name, const QString& caption, int helpContext)
{
    auto* action = new QAction(caption, &view);
    action->setObjectName(QString::fromLatin1(name));
    SetHelpContext(action, helpContext);
    view.addAction(action);
    return action;
}

void SaveBytes(const QString& fileName, const QByteArray& bytes)
{
    SaveFileImage(ToCorePath(fileName),
                  TConstByteSpan(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                 static_cast<std::size_t>(bytes.size())));
}

}  // namespace

TResponseCommands::TResponseCommands(TResponseView& view, TCalKitEditForm& editor)
    : QObject(&view),
      FView(view),
      FEditor(editor),
      FExportPng(MakeAction(view, "ResponseExportPng", tr("Export Plot as &PNG..."), ExportPictureHelpContext)),
      FExportSvg(MakeAction(view, "ResponseExportSvg", tr("Export Plot as &SVG..."), ExportPictureHelpContext)),
      FExportTouchstone(MakeAction(view, "ResponseExportTouchstone", tr("Export Standard as &Touchstone..."),
                                   ExportTouchstoneHelpContext))
{
    connect(FExportPng, &QAction::triggered, this, &TResponseCommands::ExportPng);
    connect(FExportSvg, &QAction::triggered, this, &TResponseCommands::ExportSvg);
    connect(FExportTouchstone, &QAction::triggered, this, &TResponseCommands::ExportTouchstone);
    connect(&view, &TResponseView::ContentChanged, this, &TResponseCommands::UpdateActions);
    UpdateActions();
}

void TResponseCommands::UpdateActions()
{
    const bool standard = !FView.Curves().IsEmpty();
    FExportPng->setEnabled(standard || !FView.ExtraTraces().empty());
    FExportSvg->setEnabled(FExportPng->isEnabled());
    FExportTouchstone->setEnabled(standard);
}

TFileDialogRequest TResponseCommands::SaveRequest(const QString& title, const QString& filter,
                                                  const QString& extension, int helpContext) const
{
    TFileDialogRequest request;
    request.Kind = TFileDialogRequest::TKind::fdSave;
    request.Title = title;
    request.Filter = filter;
    request.DefaultExt = extension;
    request.HelpContext = helpContext;
    if (!FEditor.FileName().isEmpty())
        request.InitialDir = QFileInfo(FEditor.FileName()).absolutePath();
    const int number = FView.Curves().StandardNumber;
    if (number > 0)
        request.FileName = QFileInfo(FromCorePath(StandardTouchstoneFileName(FEditor.Kit(), number))).completeBaseName() +
                           QLatin1Char('.') + extension;
    return request;
}

template <typename Write>
void TResponseCommands::Save(const TFileDialogRequest& request, Write&& write)
{
    const std::optional<QString> fileName = FEditor.Host().AskFileName(request);
    if (!fileName)
        return;
    try {
        write(*fileName);
    } catch (const std::exception& error) {
        FEditor.Host().ReportFileTrouble(error);
    }
}

void TResponseCommands::ExportPicture(bool svg)
{
    const TFileDialogRequest request =
        svg ? SaveRequest(tr("Export Plot as SVG"), tr("SVG drawings (*.svg)|*.svg"), QStringLiteral("svg"),
                          ExportPictureHelpContext)
            : SaveRequest(tr("Export Plot as PNG"), tr("PNG images (*.png)|*.png"), QStringLiteral("png"),
                          ExportPictureHelpContext);
    Save(request, [&](const QString& fileName) {
        SaveBytes(fileName, svg ? FView.SvgImage(PictureSize) : FView.PngImage(PictureSize));
    });
}

void TResponseCommands::ExportPng()
{
    ExportPicture(false);
}

void TResponseCommands::ExportSvg()
{
    ExportPicture(true);
}

void TResponseCommands::ExportTouchstone()
{
    const TResponseCurves& curves = FView.Curves();
    if (curves.IsEmpty())
        return;
    const bool twoPort = curves.Model.IsTwoPort();
    const TFileDialogRequest request =
        twoPort ? SaveRequest(tr("Export Standard as Touchstone"), tr("Touchstone two-port files (*.s2p)|*.s2p"),
                              QStringLiteral("s2p"), ExportTouchstoneHelpContext)
                : SaveRequest(tr("Export Standard as Touchstone"), tr("Touchstone one-port files (*.s1p)|*.s1p"),
                              QStringLiteral("s1p"), ExportTouchstoneHelpContext);
    // The frequencies plotted, so the file holds what the view shows.
    const std::vector<double> frequencies = curves.Traces.front().FrequenciesGHz;
    const int number = curves.StandardNumber;
    Save(request, [&](const QString& fileName) {
        WriteTouchstone(ToCorePath(fileName), StandardTouchstone(FEditor.Kit(), number, frequencies));
    });
}
