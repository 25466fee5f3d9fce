// The store through which one standard row or one class row is copied and pasted. The
// desktop program supplies the system clipboard; TMemoryRowClipboard keeps the block in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The names under which the row records are exchanged with other instances of the program.
inline const std::string VnaStandardFormat = "VnaStandard";
inline const std::string VnaStdClassFormat = "VnaStdClass";

class TRowClipboard {
public:
    virtual ~TRowClipboard() = default;
    // Places block under format, replacing whatever the store held.
    virtual void Put(const std::string& format, std::vector<std::uint8_t> block) = 0;
    // The block held under format, or none.
    virtual std::optional<std::vector<std::uint8_t>> Get(const std::string& format) const = 0;
};

class TMemoryRowClipboard final : public TRowClipboard {
public:
    void Put(const std::string& format, std::vector<std::uint8_t> block) override;
    std::optional<std::vector<std::uint8_t>> Get(const std::string& format) const override;

private:
    std::string format_;
    std::optional<std::vector<std::uint8_t>> block_;
};
