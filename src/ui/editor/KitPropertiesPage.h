// The "Cal Kit Properties" page of the kit editor: a panel of fixed layout, kept centred in
// a scroll box, with the kit's label, date, description, TRL settings, low-band frequency and
// system impedance. Enter moves to the next control here instead of starting a new line.
#pragma once

#include <QScrollArea>
#include <memory>

#include "ui/editor/EditorPage.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class TCalKitEditForm;
class THistoryKeys;
class TNumEdit;
class TPropertyEditing;
class TRadioGroup;

class TKitPropertiesPage : public QScrollArea, public TEditorPage {
    Q_OBJECT
public:
    static constexpr int Tag = 3;
    static constexpr int PanelWidth = 569;
    static constexpr int PanelHeight = 361;

    TKitPropertiesPage(TCalKitEditForm& editor, QWidget* parent = nullptr);
    ~TKitPropertiesPage() override;

    TPropertyEditing& Editing() const { return *FEditing; }
    QWidget& Panel() const { return *FPanel; }
    QLineEdit& LabelEdit() const { return *ediCalKitLabel; }
    QLabel& DateLabel() const { return *lblDateLastMod; }
    QPlainTextEdit& DescriptionEdit() const { return *memCalKitDesc; }
    TRadioGroup& TrlCalZ0Control() const { return *rgTRLCalZ0; }
    TNumEdit& LowbandEdit() const { return *ediLowbandFreq; }
    TNumEdit& SystemZ0Edit() const { return *ediSystemZ0; }
    TRadioGroup& TrlSetRefControl() const { return *rgTRLSetRef; }

    // Keeps the panel horizontally centred in the visible width.
    void CentrePanel();

    // TEditorPage
    int PageTag() const override { return Tag; }
    QWidget& PageWidget() override { return *this; }
    void BuildPage(const TVna& vna) override;
    void RefreshPage() override;
    void EnterPage() override;
    bool RestoreTyping(int tag, const QString& text) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* AddCaption(const char* name, const QString& text, int helpContext, int x, int y);
    void Describe(QWidget& control, const char* name, int tag, int helpContext, const QString& accessibleName,
                  const QString& description);
    void WatchKeys(QWidget& control);

    QWidget* FCanvas;
    QWidget* FPanel;
    QLineEdit* ediCalKitLabel;
    QLabel* lblDateLastMod;
    QPlainTextEdit* memCalKitDesc;
    TRadioGroup* rgTRLCalZ0;
    TNumEdit* ediLowbandFreq;
    TNumEdit* ediSystemZ0;
    TRadioGroup* rgTRLSetRef;
    QLabel* FLowbandCaption;
    QLabel* FLowbandUnit;
    THistoryKeys* FHistoryKeys;
    std::unique_ptr<TPropertyEditing> FEditing;
};
