#include "kit/UndoHistory.h"

#include "kit/Utility.h"

void TUndoAction::Undo()
{
    if (OnUndo)
        OnUndo(*this);
}

void TUndoAction::Redo()
{
    if (OnRedo)
        OnRedo(*this);
}

void TUndoAction::SetUndoCaption(const std::string& caption)
{
    undoCaption_ = caption.substr(0, MaxCaptionLength);
}

void TUndoAction::SetRedoCaption(const std::string& caption)
{
    redoCaption_ = caption.substr(0, MaxCaptionLength);
}

TUndoHistory::~TUndoHistory()
{
    while (!actions_.empty())
        actions_.pop_back();
}

void TUndoHistory::SetLevel(int value)
{
    const bool wasClean = level_ == 0;
    level_ = value;
    if (wasClean != (level_ == 0) && OnDirtyChange)
        OnDirtyChange(*this);
}

void TUndoHistory::DiscardRedoBranch()
{
    while (Count() > index_ + 1)
        actions_.pop_back();
}

// Merges a keystroke into the last typing action of the same cell: the older action takes
// the newer text as its after state and keeps its own before state.
bool TUndoHistory::MergeTyping(TUndoAction& action)
{
    if (!typingInProgress_ || index_ < 0)
        return false;
    TUndoAction& last = *actions_[static_cast<std::size_t>(index_)];
    if (last.Tag() != action.Tag())
        return false;
    TTextObject* lastText = last.AfterAs<TTextObject>();
    const TTextObject* newText = action.AfterAs<TTextObject>();
    if (lastText == nullptr || newText == nullptr)
        return false;
    lastText->SetText(newText->Text());
    return true;
}

bool TUndoHistory::AddAction(std::unique_ptr<TUndoAction> action)
{
    if (!action)
        return true;
    DiscardRedoBranch();
    if (!MergeTyping(*action)) {
        actions_.push_back(std::move(action));
        index_ = Count() - 1;
        // The clean point lay in the discarded redo branch and can never be reached again.
        if (level_ < 0)
            SetLevel(size_ + 1);
        SetLevel(level_ + 1);
    }
    while (Count() > size_) {
        actions_.erase(actions_.begin());
        --index_;
    }
    return true;
}

bool TUndoHistory::Undo()
{
    if (index_ < 0)
        return false;
    actions_[static_cast<std::size_t>(index_)]->Undo();
    --index_;
    SetLevel(level_ - 1);
    typingInProgress_ = false;
    return true;
}

bool TUndoHistory::Redo()
{
    if (Count() - 1 <= index_)
        return false;
    ++index_;
    SetLevel(level_ + 1);
    actions_[static_cast<std::size_t>(index_)]->Redo();
    typingInProgress_ = false;
    return true;
}

std::string TUndoHistory::UndoMenuCaption() const
{
    return CanUndo() ? "Undo " + actions_[static_cast<std::size_t>(index_)]->UndoCaption() : "Undo";
}

std::string TUndoHistory::RedoMenuCaption() const
{
    return CanRedo() ? "Redo " + actions_[static_cast<std::size_t>(index_ + 1)]->RedoCaption() : "Redo";
}

void TUndoHistory::SetTypingInProgress(bool value)
{
    typingInProgress_ = value && useTypingInProgress_;
}

void TUndoHistory::MarkClean()
{
    SetLevel(0);
}

void TUndoHistory::MarkDirtyForever()
{
    SetLevel(size_ + 1);
}

void TUndoHistory::SetSize(int value)
{
    size_ = ClampInt(value, 0, MaxSize);
}

TUndoAction* TUndoHistory::ActionAt(int p) const
{
    return p >= 1 && p <= Count() ? actions_[static_cast<std::size_t>(p - 1)].get() : nullptr;
}
