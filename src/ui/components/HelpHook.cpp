#include "ui/components/HelpHook.h"

#include <utility>

namespace {

THelpHandler& Handler()
{
    static THelpHandler handler;
    return handler;
}

}  // namespace

void InstallHelpHandler(THelpHandler handler)
{
    Handler() = std::move(handler);
}

void ShowHelpKeyword(const QString& keyword)
{
    if (Handler())
        Handler()(keyword, 0);
}

void ShowHelpContext(int context)
{
    if (Handler())
        Handler()(QString(), context);
}
