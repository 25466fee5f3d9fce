// The progress of one send or read: a bar on standard error while it is a terminal (nothing
// otherwise). Ctrl-C, the Cancel button of the tool, is the card session's (TUserInterrupt).
#pragma once

#include "analyzers/Vna.h"

#include <string>

class TTransferProgress {
public:
    // caption heads the bar ("Sending", "Reading"); steps is the transfer's step count.
    TTransferProgress(const std::string& caption, int steps);
    ~TTransferProgress();
    TTransferProgress(const TTransferProgress&) = delete;
    TTransferProgress& operator=(const TTransferProgress&) = delete;

    // The procedure the analyzer model calls once per step.
    TProgressProc Procedure();

private:
    void Step();
    void Draw() const;

    std::string caption_;
    int steps_;
    int done_ = 0;
    bool visible_;
};
