// The response view's own commands, on its context menu: the shown picture as a PNG image or
// an SVG drawing, and the shown standard as a Touchstone file. File names come from the
// program's file dialogs; a failure is reported with the program's message dialog and
// leaves no half-written file.
#pragma once

#include <QObject>
#include <QSize>
#include <QString>

class QAction;
class TCalKitEditForm;
class TResponseView;
struct TFileDialogRequest;

class TResponseCommands : public QObject {
    Q_OBJECT
public:
    static constexpr int ExportPictureHelpContext = 5110;
    static constexpr int ExportTouchstoneHelpContext = 5115;
    // The size of an exported picture, whatever the view's size on the screen.
    static constexpr QSize PictureSize{1200, 720};

    TResponseCommands(TResponseView& view, TCalKitEditForm& editor);

    QAction& ExportPngAction() const { return *FExportPng; }
    QAction& ExportSvgAction() const { return *FExportSvg; }
    QAction& ExportTouchstoneAction() const { return *FExportTouchstone; }

    void ExportPng();
    void ExportSvg();
    void ExportTouchstone();

private:
    void ExportPicture(bool svg);
    void UpdateActions();
    // A save dialog offering the shown standard's Touchstone file name with extension.
    TFileDialogRequest SaveRequest(const QString& title, const QString& filter, const QString& extension,
                                   int helpContext) const;
    template <typename Write>
    void Save(const TFileDialogRequest& request, Write&& write);

    TResponseView& FView;
    TCalKitEditForm& FEditor;
    QAction* FExportPng;
    QAction* FExportSvg;
    QAction* FExportTouchstone;
};
