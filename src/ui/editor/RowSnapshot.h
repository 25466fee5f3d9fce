// A copy of one row (a standard or a class) kept by an undo action of the row commands.
#pragma once

#include <memory>
#include <utility>

#include "kit/StdClass.h"
#include "kit/Standard.h"
#include "kit/UndoHistory.h"

class TStandardSnapshot final : public TUndoState {
public:
    explicit TStandardSnapshot(std::unique_ptr<TStandard> row) : row_(std::move(row)) {}
    const TStandard& Row() const { return *row_; }

private:
    std::unique_ptr<TStandard> row_;
};

class TStdClassSnapshot final : public TUndoState {
public:
    explicit TStdClassSnapshot(std::unique_ptr<TStdClass> row) : row_(std::move(row)) {}
    const TStdClass& Row() const { return *row_; }

private:
    std::unique_ptr<TStdClass> row_;
};
