// The row clipboard on the system clipboard: each row format travels as its exact record
// under a MIME type of its own, so rows go between kits, windows and running instances of
// the program. On Windows the MIME type is Qt's form of a clipboard format registered by
// name, so other programs see "VnaStandard" and "VnaStdClass".
#pragma once

#include <QString>

#include "kit/RowClipboard.h"

class TSystemRowClipboard final : public TRowClipboard {
public:
    // Replaces whatever the clipboard held.
    void Put(const std::string& format, std::vector<std::uint8_t> block) override;
    std::optional<std::vector<std::uint8_t>> Get(const std::string& format) const override;
    // True when the clipboard holds a block of format.
    bool Holds(const std::string& format) const;

    // The MIME type that carries format.
    static QString MimeType(const std::string& format);
};
