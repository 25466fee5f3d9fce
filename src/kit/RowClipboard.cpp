#include "kit/RowClipboard.h"

void TMemoryRowClipboard::Put(const std::string& format, std::vector<std::uint8_t> block)
{
    format_ = format;
    block_ = std::move(block);
}

std::optional<std::vector<std::uint8_t>> TMemoryRowClipboard::Get(const std::string& format) const
{
    if (!block_ || format != format_)
        return std::nullopt;
    return block_;
}
