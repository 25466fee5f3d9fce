// The 8510 disk-file reader on arbitrary bytes: it either refuses them with the program's own
// failure or yields a kit within its model's limits that can be written again.
#include "FuzzSupport.h"
#include "analyzers/DiskFile8510.h"
#include "kit/TextExport.h"
#include "kit/Utility.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static TVna& vna = *FindVna("8510C");
    const std::string name = "fuzz";
    TCalKit kit(vna);
    try {
        DecodeDiskFile8510(kit, vna, TConstByteSpan(data, size), name);
    } catch (const EFileTrouble&) {
        return 0;
    }
    CheckKit(kit);
    ExportTextImage(kit, ',');
    Require(EncodeDiskFile8510(kit, vna, name).size() == DiskFile8510Size, "the kit can be written again");
    return 0;
}
