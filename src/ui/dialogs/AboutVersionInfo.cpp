#include "ui/dialogs/AboutVersionInfo.h"

namespace {

constexpr int ShortField = 30;
constexpr int LongField = 60;

TVersionInfo ReadVersionInfo()
{
    return TVersionInfo{
        QStringLiteral("Brightmoor").left(ShortField),
        QStringLiteral("Tessaly").left(ShortField),
        QStringLiteral(TESSALY_VERSION).left(ShortField),
        QStringLiteral("Calibration kit editor for HP/Agilent network analyzers").left(LongField),
        QStringLiteral("Copyright \u00A9 2025 Brightmoor. All rights reserved.").left(LongField),
    };
}

} // namespace

const TVersionInfo& ProgramVersionInfo()
{
    static const TVersionInfo info = ReadVersionInfo();
    return info;
}
