// The undo history of one editor window: a bounded list of recorded edits with a current
// position, undo and redo, menu captions, merging of consecutive keystrokes in one cell, and
// a dirty state telling whether the kit differs from its last saved state. The history knows
// nothing about kits: each action owns its before and after states and is applied by handlers
// that the editor supplies.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// A state that an action restores (a cell's text, a copy of a row, a whole-kit copy, ...).
class TUndoState {
public:
    virtual ~TUndoState() = default;
};

// The text of one cell: the state of typing actions.
class TTextObject final : public TUndoState {
public:
    explicit TTextObject(std::string text) : text_(std::move(text)) {}
    const std::string& Text() const { return text_; }
    void SetText(std::string text) { text_ = std::move(text); }

private:
    std::string text_;
};

class TUndoAction {
public:
    using THandler = std::function<void(TUndoAction&)>;
    static constexpr std::size_t MaxCaptionLength = 50;

    TUndoAction() = default;
    virtual ~TUndoAction() = default;
    TUndoAction(const TUndoAction&) = delete;
    TUndoAction& operator=(const TUndoAction&) = delete;

    // Call OnUndo / OnRedo with this action when set.
    virtual void Undo();
    virtual void Redo();

    TUndoState* Before() const { return before_.get(); }
    TUndoState* After() const { return after_.get(); }
    void SetBefore(std::unique_ptr<TUndoState> state) { before_ = std::move(state); }
    void SetAfter(std::unique_ptr<TUndoState> state) { after_ = std::move(state); }
    // The state as the given payload type, nullptr when it is none or another type.
    template <typename T>
    T* BeforeAs() const
    {
        return dynamic_cast<T*>(before_.get());
    }
    template <typename T>
    T* AfterAs() const
    {
        return dynamic_cast<T*>(after_.get());
    }

    // What follows "Undo " and "Redo " in the menu; the setters keep the first 50 characters.
    const std::string& UndoCaption() const { return undoCaption_; }
    const std::string& RedoCaption() const { return redoCaption_; }
    void SetUndoCaption(const std::string& caption);
    void SetRedoCaption(const std::string& caption);

    // Identity of the edited cell for typing merges; 0 for every other action.
    std::int32_t Tag() const { return tag_; }
    void SetTag(std::int32_t tag) { tag_ = tag; }

    THandler OnUndo; // applies Before
    THandler OnRedo; // applies After

private:
    std::unique_ptr<TUndoState> before_;
    std::unique_ptr<TUndoState> after_;
    std::string undoCaption_;
    std::string redoCaption_;
    std::int32_t tag_ = 0;
};

class TUndoHistory {
public:
    using TNotify = std::function<void(TUndoHistory&)>;
    static constexpr int DefaultSize = 10;
    static constexpr int MaxSize = 100;

    TUndoHistory() = default;
    ~TUndoHistory();
    TUndoHistory(const TUndoHistory&) = delete;
    TUndoHistory& operator=(const TUndoHistory&) = delete;

    // Records a done edit and takes ownership of it. The redo branch is discarded; a typing
    // action of the same cell as the last one is merged into it; the oldest actions beyond
    // Size are freed. Always true.
    bool AddAction(std::unique_ptr<TUndoAction> action);
    // Undoes the action at the current position; false when there is none.
    bool Undo();
    // Redoes the action after the current position; false when there is none.
    bool Redo();
    bool CanUndo() const { return index_ >= 0; }
    bool CanRedo() const { return index_ + 1 < Count(); }
    // "Undo" / "Redo" alone when nothing can be undone / redone, else followed by a blank and
    // the action's caption.
    std::string UndoMenuCaption() const;
    std::string RedoMenuCaption() const;

    // The flag is set only when value is true and typing merges are in use.
    void SetTypingInProgress(bool value);
    bool TypingInProgress() const { return typingInProgress_; }
    bool UseTypingInProgress() const { return useTypingInProgress_; }
    void SetUseTypingInProgress(bool value) { useTypingInProgress_ = value; }

    // Done edits since the last clean point; 0 is clean.
    int Level() const { return level_; }
    bool IsDirty() const { return level_ != 0; }
    void MarkClean();
    // A level that no undo can bring back to clean (the kit was replaced without an action).
    void MarkDirtyForever();

    // Most actions kept, 0..100. A smaller size trims the list at the next AddAction.
    int Size() const { return size_; }
    void SetSize(int value);

    int Count() const { return static_cast<int>(actions_.size()); }
    // 1-based position of the last done action, 0 when none.
    int Position() const { return index_ + 1; }
    // The action at 1-based position p, nullptr outside 1..Count.
    TUndoAction* ActionAt(int p) const;

    // Called whenever the history turns from clean to dirty or back.
    TNotify OnDirtyChange;

private:
    void SetLevel(int value);
    void DiscardRedoBranch();
    bool MergeTyping(TUndoAction& action);

    std::vector<std::unique_ptr<TUndoAction>> actions_; // oldest first
    int size_ = DefaultSize;
    int index_ = -1;
    bool typingInProgress_ = false;
    int level_ = 0;
    bool useTypingInProgress_ = true;
};
