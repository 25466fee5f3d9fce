// The kit-file reader on arbitrary bytes: it either refuses them with the program's own
// failure or yields a kit within its model's limits that reads back unchanged.
#include "FuzzSupport.h"
#include "kit/KitFile.h"
#include "kit/TextExport.h"
#include "kit/Utility.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string name = "fuzz.tsy";
    TCalKit kit(*Vnas().front());
    try {
        DecodeKitFile(kit, TConstByteSpan(data, size), name);
    } catch (const EFileTrouble&) {
        return 0;
    }
    CheckKit(kit);
    ExportTextImage(kit, ',');

    const auto image = EncodeKitFile(kit, name, 0);
    TCalKit again(*Vnas().front());
    DecodeKitFile(again, image, name);
    Require(EncodeKitFile(again, name, 0) == image, "a kit read from a file reads back unchanged");
    return 0;
}
