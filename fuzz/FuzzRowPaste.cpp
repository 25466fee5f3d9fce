// Pasting arbitrary clipboard blocks into a standard or class row of a kit on any model. The
// first byte chooses the model (its low bits) and the row kind (its top bit); the rest is the
// block. A pasted row keeps its model's limits, and copying and pasting it again changes nothing.
#include "FuzzSupport.h"
#include "kit/RowClipboard.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    TVna& vna = *Vnas()[(data[0] & 0x7Fu) % Vnas().size()];
    const bool standardRow = (data[0] & 0x80) == 0;
    TCalKit kit(vna);
    TMemoryRowClipboard clipboard;
    clipboard.Put(standardRow ? VnaStandardFormat : VnaStdClassFormat, std::vector<std::uint8_t>(data + 1, data + size));

    if (standardRow) {
        TStandard& standard = kit.Standard(1);
        standard.PasteFromClipboard(clipboard);
        CheckStandard(standard, vna);
        standard.CopyToClipboard(clipboard);
        TStandard& copy = kit.Standard(2);
        Require(copy.PasteFromClipboard(clipboard), "a copied standard row pastes");
        Require(copy.Values() == standard.Values(), "a pasted standard row pastes again unchanged");
    } else {
        TStdClass& stdClass = kit.StdClass(1);
        stdClass.PasteFromClipboard(clipboard);
        CheckClass(stdClass, vna);
        stdClass.CopyToClipboard(clipboard);
        TStdClass& copy = kit.StdClass(2);
        Require(copy.PasteFromClipboard(clipboard), "a copied class row pastes");
        Require(copy.Values() == stdClass.Values(), "a pasted class row pastes again unchanged");
    }
    return 0;
}
