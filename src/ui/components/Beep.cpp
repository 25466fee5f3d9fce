#include "ui/components/Beep.h"

#include <QApplication>
#include <utility>

namespace {

TBeepHook& Hook()
{
    static TBeepHook hook;
    return hook;
}

}  // namespace

void Beep()
{
    if (Hook())
        Hook()();
    else
        QApplication::beep();
}

TBeepHook InstallBeepHook(TBeepHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}
