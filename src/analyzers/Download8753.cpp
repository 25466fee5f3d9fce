// Sending a kit to an analyzer of the 8753 family: queued errors are cleared first, the kit
// goes over in mnemonic commands, and the analyzer's status tells whether it took everything.
#include "analyzers/Family8753.h"
#include "analyzers/LegacyKitWriter.h"
#include "analyzers/LegacyQueries.h"
#include "kit/CalKit.h"

void T8753Family::DownloadKit(TCalKit& kit, TGpibCard& card, const TProgressProc& progress)
{
    TLegacyKitWriter writer(*this, Dialect8753, kit, card);
    ClearAnalyzerErrors(card);
    progress();
    writer.WriteStandards(progress);
    writer.WriteClasses(kit.ActiveClasses());
    progress();
    writer.WriteKitProperties();
    progress();
    CheckAnalyzerStatus(card);
}
