// The warning sound of refused input. Tests replace the sound with a counter.
#pragma once

#include <functional>

using TBeepHook = std::function<void()>;

// Sounds the beep: the installed hook, else the desktop's bell.
void Beep();
// Replaces the sound for the rest of the run and returns the previous hook; an empty
// function brings the desktop's bell back.
TBeepHook InstallBeepHook(TBeepHook hook);
