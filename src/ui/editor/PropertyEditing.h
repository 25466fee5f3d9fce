// How the kit's properties are edited: the controls of the properties page and the
// calibration-type choice of the class page show the kit's values; every change goes into
// the kit at once and is recorded as a "typing" step named by the control's tag; leaving a
// control shows what the kit stored.
//
// Tags: 1 kit label, 2 description, 3 "TRL Cal Z0", 4 low-band frequency, 5 system Z0,
// 6 "TRL Set Ref", 7 calibration type.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;
class TCalKitEditForm;
class TNumEdit;
class TRadioGroup;

// The controls, owned by the pages that show them.
struct TPropertyControls {
    QLineEdit* Label = nullptr;             // 1
    QPlainTextEdit* Description = nullptr;  // 2
    TRadioGroup* TrlCalZ0 = nullptr;        // 3: "Line Z0", "System Z0"
    TNumEdit* Lowband = nullptr;            // 4
    TNumEdit* SystemZ0 = nullptr;           // 5
    TRadioGroup* TrlSetRef = nullptr;       // 6: "Thru", "Reflect"
    TRadioGroup* CalType = nullptr;         // 7: "SOLT cal", "TRL cal"
    QLabel* DateLastModified = nullptr;
};

class TPropertyEditing : public QObject {
    Q_OBJECT
public:
    static constexpr int FirstTag = 1;
    static constexpr int LastTag = 7;
    static constexpr int CalTypeTag = 7;

    TPropertyEditing(TCalKitEditForm& editor, const TPropertyControls& controls, QObject* parent = nullptr);

    // The items of the radio groups; a group's item is found by its text.
    static QStringList TrlCalZ0Items();
    static QStringList TrlSetRefItems();
    static QStringList CalTypeItems();

    // The calibration-type control lives on another page; calTypeApplied runs after a change
    // of the calibration type has gone into the kit.
    void AttachCalType(TRadioGroup& control, std::function<void()> calTypeApplied);

    // Stops following the focus: called before the controls are destroyed.
    void Detach();

    // Fills the controls from the kit; the changes this makes are not applied.
    void LoadProperties();
    // Puts the text of a control (an item index in decimal for the radio groups) into the
    // kit; false, with nothing done, for a tag that names no property.
    bool ApplyProperty(int tag, const QString& text);
    // Undo and redo of a property change: applies text, shows the kit's values again and gives
    // the focus to the property's control. False for tags that name no property.
    bool RestoreTyping(int tag, const QString& text);

    // The control of a tag (for a radio group, the group); nullptr for other tags.
    QWidget* Control(int tag) const;
    // The tag of the control that widget (a focus widget) belongs to; 0 for none.
    int TagOf(const QObject* widget) const;
    // The control's text as recorded for undo.
    QString ControlText(int tag) const;
    bool PropertyEventsOn() const { return FPropertyEventsOn; }

private:
    void Connect(int tag);
    void FocusChanged(QWidget* old, QWidget* now);
    void PropertyEnter(int tag);
    void PropertyChange(int tag);
    void RadioChange(int tag, int previousIndex);
    void PropertyExit();
    TRadioGroup* RadioGroup(int tag) const;
    void FocusControl(int tag);

    TCalKitEditForm& FEditor;
    TPropertyControls FControls;
    std::function<void()> FCalTypeApplied;
    bool FPropertyEventsOn = true;
};
