#include "analyzers/LegacyQueries.h"

#include "analyzers/Replies.h"
#include "bus/GpibCardUnit.h"
#include "kit/Utility.h"

namespace {

constexpr int ErrorBit = 8;
constexpr int MaxQueuedErrors = 20;

// A status reply that is not a number counts as no error.
bool StatusReportsError(TGpibCard& card)
{
    return (ReplyInteger(Query(card, "OUTPSTAT;")) & ErrorBit) != 0;
}

} // namespace

std::string ReadActiveValue(TGpibCard& card, const std::string& name)
{
    card.Write(name + ";");
    return Query(card, "OUTPACTI;");
}

void ClearAnalyzerErrors(TGpibCard& card)
{
    for (int i = 0; i < MaxQueuedErrors; ++i) {
        if (!StatusReportsError(card))
            return;
        Query(card, "OUTPERRO;");
    }
}

void CheckAnalyzerStatus(TGpibCard& card)
{
    if (StatusReportsError(card))
        throw EGpibException("VNA reports an error: " + Query(card, "OUTPERRO;"));
}
