#include "ui/dialogs/GpibSettingsValues.h"

#include "bus/GpibCardUnit.h"
#include "bus/NetworkCard.h"
#include "kit/Utility.h"
#include "ui/components/RegistrySettings.h"

namespace {

const QString DefaultDriver = QStringLiteral("0");
const QString DefaultOutOfRange = QStringLiteral("-1");

// A stored decimal integer; anything else, an overflow included, gives fallback.
int StoredInt(const QString& text, int fallback)
{
    std::int32_t value = 0;
    return TryParseInt(text.toLatin1().toStdString(), value) ? value : fallback;
}

} // namespace

TGpibCard& RestoreGpibSettings(const TGpibSettingsValues& stored)
{
    TGpibCard& card = ChooseStartupGpibCard(StoredInt(stored.GpibCard, gdNI), StoredInt(stored.BoardNumber, -1),
                                            StoredInt(stored.VnaAddress, -1));
    RestoreNetworkSettings(card, stored.Host.toLatin1().toStdString(), StoredInt(stored.Port, -1));
    return card;
}

std::optional<TGpibSettingsValues> GpibSettingsToStore()
{
    if (CurrentGpibCard == nullptr || CurrentGpibCard->Driver() == gdNone)
        return std::nullopt;
    TGpibSettingsValues values{QString::number(static_cast<int>(CurrentGpibCard->Driver())),
                               QString::number(CurrentGpibCard->Board()),
                               QString::number(CurrentGpibCard->Address())};
    if (const TNetworkCard* network = AsNetworkCard(CurrentGpibCard)) {
        values.Host = QString::fromLatin1(network->Host());
        values.Port = QString::number(network->Port());
    }
    return values;
}

TGpibCard& RestoreGpibSettings(const TRegistrySettings& settings)
{
    return RestoreGpibSettings(TGpibSettingsValues{
        settings.ReadValue(GpibSubKey, GpibCardValue, DefaultDriver),
        settings.ReadValue(GpibSubKey, BoardNumberValue, DefaultOutOfRange),
        settings.ReadValue(GpibSubKey, VnaAddressValue, DefaultOutOfRange),
        settings.ReadValue(GpibSubKey, HostValue, QString()),
        settings.ReadValue(GpibSubKey, PortValue, DefaultOutOfRange)});
}

void StoreGpibSettings(TRegistrySettings& settings)
{
    const std::optional<TGpibSettingsValues> values = GpibSettingsToStore();
    if (!values)
        return;
    settings.WriteValue(GpibSubKey, GpibCardValue, values->GpibCard);
    settings.WriteValue(GpibSubKey, BoardNumberValue, values->BoardNumber);
    settings.WriteValue(GpibSubKey, VnaAddressValue, values->VnaAddress);
    if (AsNetworkCard(CurrentGpibCard) != nullptr) {
        settings.WriteValue(GpibSubKey, HostValue, values->Host);
        settings.WriteValue(GpibSubKey, PortValue, values->Port);
    }
}

bool StoredVerifyAfterSending(const TRegistrySettings& settings)
{
    return StoredInt(settings.ReadValue(GpibSubKey, VerifyAfterSendingValue, DefaultDriver), 0) != 0;
}

void StoreVerifyAfterSending(TRegistrySettings& settings, bool verify)
{
    settings.WriteValue(GpibSubKey, VerifyAfterSendingValue, verify ? QStringLiteral("1") : QStringLiteral("0"));
}
