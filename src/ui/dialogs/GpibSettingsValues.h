// The stored values of the current GPIB card, "GpibCard", "BoardNumber" and "VnaAddress" in
// the sub-key "GPIB" of the program's settings, and for a network card also its "Host" and
// "Port": the current card is restored from them when the main window is first shown, and
// they are written when it closes.
#pragma once

#include <QString>
#include <optional>

class TGpibCard;
class TRegistrySettings;

// The stored texts, each a decimal integer but the host name. Host and Port are those of a
// network card; for the other cards they are empty, and the stored ones stay as they were.
struct TGpibSettingsValues {
    QString GpibCard;
    QString BoardNumber;
    QString VnaAddress;
    QString Host = {};
    QString Port = {};

    bool operator==(const TGpibSettingsValues&) const = default;
};

inline const QString GpibSubKey = QStringLiteral("GPIB");
inline const QString GpibCardValue = QStringLiteral("GpibCard");
inline const QString BoardNumberValue = QStringLiteral("BoardNumber");
inline const QString VnaAddressValue = QStringLiteral("VnaAddress");
inline const QString HostValue = QStringLiteral("Host");
inline const QString PortValue = QStringLiteral("Port");
inline const QString VerifyAfterSendingValue = QStringLiteral("VerifyAfterSending");

// Makes the current card from the stored texts. Each text is read as a decimal integer with
// blanks around it; a text that is no integer counts as its default (driver 0, board and
// address -1, which lie outside every range). A driver outside 0..4 counts as 0; a card whose
// library is not bound gives way to the first bound card; the board is taken only within
// that card's range, the address only within 0..30; otherwise the card keeps its own values.
// A network card takes the host unless it is blank and the port only within 1..65535.
// The cards must have been created.
TGpibCard& RestoreGpibSettings(const TGpibSettingsValues& stored);

// The texts to store for the current card; none while the no-bus card (or no card at all) is
// current, so that the values stored before stay as they were.
std::optional<TGpibSettingsValues> GpibSettingsToStore();

// The same through the program's settings store, whose sub-keys must include "GPIB". A
// missing value reads as its default ("0" for the driver, "-1" for board, address and port,
// "" for the host).
TGpibCard& RestoreGpibSettings(const TRegistrySettings& settings);
void StoreGpibSettings(TRegistrySettings& settings);

// "Verify after sending", stored as "1" or "0" beside the card's values; off when absent.
bool StoredVerifyAfterSending(const TRegistrySettings& settings);
void StoreVerifyAfterSending(TRegistrySettings& settings, bool verify);
