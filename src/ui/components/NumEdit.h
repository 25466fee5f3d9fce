// A single-line edit for a floating-point number. Keys that would make the text something
// other than blank, a lone "-" or a number (in the user's decimal notation) are refused, and
// a text that arrives some other way (pasted, set by the program) and is no number goes back
// to the last valid text. Only valid texts reach the owner through Changed.
#pragma once

#include <QLineEdit>
#include <QString>

class TNumEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TNumEdit(QWidget* parent = nullptr);

    // Whether refused keys and reverted texts sound the beep; off by default.
    bool BeepOnError() const { return FBeepOnError; }
    void SetBeepOnError(bool beep) { FBeepOnError = beep; }

    // The text after the last accepted change; empty at first.
    const QString& LastValidText() const { return FLastValidText; }

    // True for a text the field may hold: blank, a lone "-", or a number with the user's
    // decimal separator (blanks at either end ignored).
    static bool IsNumberText(const QString& text);

signals:
    // The text changed and is valid (a reverted text counts as a change, too).
    void Changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void TextChanged();
    // The text the key would make, or a null string for a key that types nothing.
    QString TextAfterKey(const QKeyEvent& event) const;

    bool FBeepOnError = false;
    bool FReverting = false;
    QString FLastValidText;
};
