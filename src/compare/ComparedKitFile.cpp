#include "compare/ComparedKitFile.h"

#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/KitFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// The model that reads a disk file of the kind prefix/extension name: model itself when it
// has such files, else default.
TVna& DiskModel(TVna& model, bool is8510, const char* fallback)
{
    const bool fits = model.HasDiskFiles && (is8510 ? model.DiskPrefix == "CK_" : model.DiskExtension == "ck");
    return fits ? model : *FindVna(fallback);
}

} // namespace

TComparedKit ReadComparedKit(const std::string& fileName, TVna& model)
{
    const std::filesystem::path path(fileName);
    const std::string name = Upper(path.filename().string());
    const bool is8753 = Upper(path.extension().string()) == ".CK";
    const bool is8510 = !is8753 && name.rfind("CK_", 0) == 0;
    if (is8753 || is8510) {
        TVna& format = DiskModel(model, is8510, is8510 ? "8510C" : "8753D/E");
        TComparedKit read{TCalKit::Create(format), TCompareRules::DiskFile(format)};
        format.ReadDiskFile(*read.Kit, fileName);
        return read;
    }
    TComparedKit read{TCalKit::Create(*Vnas()[0]), TCompareRules::KitFile()};
    ReadKitFile(*read.Kit, fileName);
    return read;
}
