#include "ui/components/NumEdit.h"

#include <QKeyEvent>

#include "kit/Utility.h"
#include "ui/components/Beep.h"
#include "ui/components/CoreText.h"
#include "ui/components/UserLocale.h"

TNumEdit::TNumEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &TNumEdit::TextChanged);
}

bool TNumEdit::IsNumberText(const QString& text)
{
    const std::string trimmed = Trim(ToCore(text));
    if (trimmed.empty() || trimmed == "-")
        return true;
    double value = 0;
    return TryParseFloat(trimmed, value, UserDecimalSeparator());
}

QString TNumEdit::TextAfterKey(const QKeyEvent& event) const
{
    // Shortcuts and keys without a character (arrows, Delete, Enter) are no typing.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return QString();
    const bool backspace = event.key() == Qt::Key_Backspace;
    const QString typed = event.text();
    if (!backspace && (typed.isEmpty() || typed.front().unicode() < 32 || typed.front().unicode() == 127))
        return QString();

    const QString current = text();
    int start = cursorPosition();
    int length = 0;
    if (hasSelectedText()) {
        start = selectionStart();
        length = static_cast<int>(selectedText().size());
    } else if (backspace && start > 0) {
        // Backspace without a selection takes the character before the cursor.
        --start;
        length = 1;
    }
    const QString result = current.left(start) + (backspace ? QString() : typed) + current.mid(start + length);
    // A null result would read as "no typing": an emptied field is an empty, non-null text.
    return result.isNull() ? QString(QLatin1String("")) : result;
}

void TNumEdit::keyPressEvent(QKeyEvent* event)
{
    const QString result = TextAfterKey(*event);
    if (!result.isNull() && !IsNumberText(result)) {
        event->accept();
        if (FBeepOnError)
            Beep();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TNumEdit::TextChanged()
{
    if (FReverting)
        return;
    if (!IsNumberText(text())) {
        FReverting = true;
        setText(FLastValidText);
        FReverting = false;
        if (FBeepOnError)
            Beep();
    }
    FLastValidText = text();
    emit Changed();
}
