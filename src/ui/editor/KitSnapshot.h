// A whole-kit copy kept by an undo action (the model change).
#pragma once

#include <memory>
#include <utility>

#include "kit/CalKit.h"
#include "kit/UndoHistory.h"

class TKitSnapshot final : public TUndoState {
public:
    explicit TKitSnapshot(std::unique_ptr<TCalKit> kit) : kit_(std::move(kit)) {}
    const TCalKit& Kit() const { return *kit_; }

private:
    std::unique_ptr<TCalKit> kit_;
};
