#include "compare/SendVerification.h"

#include "analyzers/BusTransfer.h"
#include "kit/CalKit.h"

bool CanVerifySend(const TVna& vna)
{
    return vna.CanUpload;
}

std::vector<TKitDifference> VerifySentKit(const TCalKit& sent, TGpibCard& card, const TProgressProc& progress,
                                          double relativeTolerance)
{
    const auto held = TCalKit::Create(sent.Vna());
    ReadKitFromAnalyzer(*held, card, progress);
    const TCompareRules rules = TCompareRules::ReadBack(sent.Vna()).WithRelativeTolerance(relativeTolerance);
    return CompareKits(sent, *held, rules);
}
