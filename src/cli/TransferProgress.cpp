#include "TransferProgress.h"

#include "CliSupport.h"

#include <algorithm>
#include <cstdio>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

bool StandardErrorIsTerminal()
{
#if defined(_WIN32)
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

constexpr int BarWidth = 40;

} // namespace

TTransferProgress::TTransferProgress(const std::string& caption, int steps)
    : caption_(caption), steps_(std::max(steps, 1)), visible_(StandardErrorIsTerminal())
{
    Draw();
}

TTransferProgress::~TTransferProgress()
{
    if (visible_)
        WriteError("\n");
}

TProgressProc TTransferProgress::Procedure()
{
    return [this] { Step(); };
}

void TTransferProgress::Step()
{
    done_ = std::min(done_ + 1, steps_);
    Draw();
}

void TTransferProgress::Draw() const
{
    if (!visible_)
        return;
    const int filled = done_ * BarWidth / steps_;
    const std::string bar = std::string(static_cast<std::size_t>(filled), '#') + std::string(static_cast<std::size_t>(BarWidth - filled), '.');
    const std::string percent = std::to_string(done_ * 100 / steps_);
    WriteError("\r" + caption_ + " [" + bar + "] " + std::string(3 - percent.size(), ' ') + percent + "%");
}
