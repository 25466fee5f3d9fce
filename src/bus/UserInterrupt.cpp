#include "bus/UserInterrupt.h"

#include "bus/GpibCardUnit.h"
#include "kit/Utility.h"

#include <chrono>
#include <csignal>
#include <thread>

namespace {

// Written by the signal handler, so of the one type a handler may set.
volatile std::sig_atomic_t Interrupted = 0;

extern "C" void OnUserInterrupt(int)
{
    Interrupted = 1;
    // The next Ctrl-C is not caught: it ends the program the usual way.
    std::signal(SIGINT, SIG_DFL);
}

} // namespace

TUserInterrupt::TUserInterrupt()
{
    Interrupted = 0;
    previousHandler_ = std::signal(SIGINT, OnUserInterrupt);
    if (previousHandler_ == SIG_ERR)
        previousHandler_ = SIG_DFL;
    SetGpibEventHook([this] { CheckFromHook(); });
}

TUserInterrupt::~TUserInterrupt()
{
    SetGpibEventHook({});
    std::signal(SIGINT, previousHandler_);
}

bool TUserInterrupt::Requested() const { return Interrupted != 0; }

void TUserInterrupt::CheckFromHook()
{
    if (Interrupted != 0 && !raised_) {
        raised_ = true;
        throw EUserAbort();
    }
    // There are no events to process here; a moment's sleep keeps a card's pause, which runs
    // the hook over and over, from spinning.
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}
