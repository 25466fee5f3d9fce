#include "analyzers/BusTransfer.h"

#include "bus/GpibCardUnit.h"
#include "kit/CalKit.h"
#include "kit/Utility.h"

void WithOpenCard(TGpibCard& card, const std::function<void()>& action)
{
    card.Open();
    try {
        action();
    } catch (...) {
        try {
            card.Close();
        } catch (const EGpibException&) {
            // The first failure is the one reported.
        }
        throw;
    }
    card.Close();
}

void SendKitToAnalyzer(TCalKit& kit, TGpibCard& card, const TProgressProc& progress)
{
    WithOpenCard(card, [&] { kit.Vna().DownloadKit(kit, card, progress); });
}

void ReadKitFromAnalyzer(TCalKit& kit, TGpibCard& card, const TProgressProc& progress)
{
    WithOpenCard(card, [&] { kit.Vna().UploadKit(kit, card, progress); });
}

std::string IdentifyAnalyzer(TVna& vna, TGpibCard& card)
{
    std::string reply;
    WithOpenCard(card, [&] { reply = vna.Identify(card); });
    return reply;
}
