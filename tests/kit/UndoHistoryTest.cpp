#include "kit/UndoHistory.h"

#include <gtest/gtest.h>

namespace {

using TNames = std::vector<std::string>;

// A state that reports when the history frees it.
class TTracedState final : public TUndoState {
public:
    TTracedState(TNames& freed, std::string name) : freed_(freed), name_(std::move(name)) {}
    ~TTracedState() override { freed_.push_back(name_); }

private:
    TNames& freed_;
    std::string name_;
};

std::unique_ptr<TUndoAction> MakeAction(const std::string& caption, TNames* freed = nullptr)
{
    auto action = std::make_unique<TUndoAction>();
    action->SetUndoCaption(caption);
    action->SetRedoCaption(caption);
    if (freed)
        action->SetAfter(std::make_unique<TTracedState>(*freed, caption));
    return action;
}

// A keystroke edit of the cell tag, applied to cell by its handlers.
std::unique_ptr<TUndoAction> MakeTyping(std::int32_t tag, const std::string& before, const std::string& after,
                                        std::string& cell)
{
    auto action = MakeAction("typing");
    action->SetTag(tag);
    action->SetBefore(std::make_unique<TTextObject>(before));
    action->SetAfter(std::make_unique<TTextObject>(after));
    action->OnUndo = [&cell](TUndoAction& a) { cell = a.BeforeAs<TTextObject>()->Text(); };
    action->OnRedo = [&cell](TUndoAction& a) { cell = a.AfterAs<TTextObject>()->Text(); };
    return action;
}

} // namespace

TEST(UndoHistory, SizeLimitDropsTheOldestButKeepsTheLevel)
{
    TUndoHistory history;
    history.SetSize(3);
    for (const char* c : {"a", "b", "c", "d", "e"})
        history.AddAction(MakeAction(c));
    EXPECT_EQ(history.Count(), 3);
    EXPECT_EQ(history.ActionAt(1)->UndoCaption(), "c");
    EXPECT_EQ(history.ActionAt(4), nullptr);
    while (history.Undo())
        ;
    EXPECT_EQ(history.Level(), 2);

    history.SetSize(250);
    EXPECT_EQ(history.Size(), 100);
    history.SetSize(-5);
    EXPECT_EQ(history.Size(), 0);
    TNames freed;
    history.AddAction(MakeAction("gone", &freed)); // freed at once, together with the redo branch
    EXPECT_EQ(freed, TNames{"gone"});
    EXPECT_EQ(history.Count(), 0);
    EXPECT_EQ(history.Level(), 3);

    // A lowered size trims the whole excess at the next recorded edit.
    TUndoHistory longer;
    for (int i = 0; i < 8; ++i)
        longer.AddAction(MakeAction(std::to_string(i)));
    longer.SetSize(3);
    longer.AddAction(MakeAction("8"));
    EXPECT_EQ(longer.Count(), 3);
    EXPECT_EQ(longer.Position(), 3);
}

TEST(UndoHistory, DirtyChangeFiresOnlyBetweenCleanAndDirtyAndHandlersSeeTheirLevel)
{
    TUndoHistory history;
    int changes = 0;
    std::vector<int> levels; // undo applies before moving, redo moves first
    history.OnDirtyChange = [&changes](TUndoHistory&) { ++changes; };
    auto first = MakeAction("a");
    first->OnUndo = first->OnRedo = [&](TUndoAction&) { levels.push_back(history.Level()); };
    history.AddAction(std::move(first));
    history.AddAction(MakeAction("b"));
    EXPECT_EQ(changes, 1);
    history.MarkClean();
    history.MarkClean();
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(history.Undo());
    EXPECT_EQ(history.Level(), -1);
    EXPECT_TRUE(history.Undo());
    EXPECT_TRUE(history.Redo());
    EXPECT_EQ(levels, (std::vector<int>{-1, -1}));
    EXPECT_TRUE(history.Redo());
    EXPECT_FALSE(history.IsDirty());
    EXPECT_EQ(changes, 4);
}

TEST(UndoHistory, CleanPointInADiscardedRedoBranchIsNeverReachedAgain)
{
    TNames freed; // outlives the history
    TUndoHistory history;
    history.SetSize(5);
    history.AddAction(MakeAction("a", &freed));
    history.AddAction(MakeAction("b", &freed));
    history.MarkClean();
    history.Undo();
    history.AddAction(MakeAction("c", &freed));
    EXPECT_EQ(freed, TNames{"b"});
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Level(), 5 + 2);
    while (history.Undo())
        EXPECT_TRUE(history.IsDirty());

    history.MarkDirtyForever();
    EXPECT_EQ(history.Level(), 6);
    while (history.Redo())
        ;
    while (history.Undo())
        EXPECT_TRUE(history.IsDirty());
}

TEST(UndoHistory, ConsecutiveTypingInOneCellIsOneStep)
{
    TUndoHistory history;
    std::string cell = "12";
    history.AddAction(MakeTyping(7, "12", "123", cell));
    history.SetTypingInProgress(true);
    history.AddAction(MakeTyping(7, "123", "1234", cell));
    history.SetTypingInProgress(true);
    EXPECT_EQ(history.Count(), 1);
    EXPECT_EQ(history.Level(), 1);
    history.AddAction(MakeTyping(8, "x", "xy", cell)); // another cell
    history.Undo();
    EXPECT_FALSE(history.TypingInProgress());
    history.Undo();
    EXPECT_EQ(cell, "12");
    history.Redo();
    EXPECT_EQ(cell, "1234");
    history.AddAction(MakeTyping(7, "1234", "12345", cell)); // after an undo: its own step
    EXPECT_EQ(history.Count(), 2);

    TUndoHistory unmerged;
    unmerged.SetUseTypingInProgress(false);
    unmerged.SetTypingInProgress(true);
    EXPECT_FALSE(unmerged.TypingInProgress());
    unmerged.AddAction(MakeTyping(0, "", "a", cell));
    unmerged.SetUseTypingInProgress(true);
    unmerged.SetTypingInProgress(true);
    unmerged.AddAction(MakeAction("row")); // same tag, but no text to merge
    EXPECT_EQ(unmerged.Count(), 2);
}

TEST(UndoHistory, MenuCaptionsNameTheStepToUndoOrRedo)
{
    TUndoHistory history;
    EXPECT_EQ(history.UndoMenuCaption(), "Undo");
    EXPECT_EQ(history.RedoMenuCaption(), "Redo");
    std::string cell;
    history.AddAction(MakeTyping(1, "", "a", cell));
    EXPECT_EQ(history.UndoMenuCaption(), "Undo typing");
    auto paste = MakeAction(std::string(50, 'p') + "0123456789");
    paste->SetRedoCaption("paste again");
    history.AddAction(std::move(paste));
    EXPECT_EQ(history.UndoMenuCaption(), "Undo " + std::string(50, 'p'));
    history.Undo();
    EXPECT_EQ(history.RedoMenuCaption(), "Redo paste again");
}
