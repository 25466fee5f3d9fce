// Writes the seed corpus of the fuzz targets from real encoded kits:
// make-seeds FOLDER creates FOLDER/<target>/<seed> for every target.
#include "../tests/kit/SampleKits.h"
#include "analyzers/DiskFile8510.h"
#include "analyzers/DiskFile8753.h"
#include "kit/KitFile.h"
#include "kit/RowRecords.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

std::filesystem::path root;

void Seed(const std::string& target, const std::string& name, std::vector<std::uint8_t> bytes)
{
    const auto folder = root / target;
    std::filesystem::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

TVna& Model(const std::string& name)
{
    return *FindVna(name);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: make-seeds FOLDER\n";
        return 2;
    }
    root = argv[1];

    for (const char* name : {"8753D/E", "8510C", "PNA 3port"}) {
        TCalKit kit(Model(name));
        FillSampleKit(kit);
        std::string file = std::string("sample-") + name + ".tsy";
        for (char& c : file)
            if (c == '/' || c == ' ')
                c = '_';
        Seed("fuzz_kit_file", file, EncodeKitFile(kit, "C:\\Kits\\" + file, 45000));
    }
    {
        TCalKit kit(Model("8753Dtrl"));
        FillSampleKit(kit);
        auto image = EncodeKitFile(kit, "old.tsy", 36000);
        PutU16(image, 4240, 0); // a file from before the terminal impedance had its own field
        Seed("fuzz_kit_file", "older.tsy", image);
    }

    TCalKit kit8753(Model("8753D/E"));
    FillSampleKit(kit8753);
    Seed("fuzz_disk_8753", "SAMPLE.ck", EncodeDiskFile8753(kit8753, kit8753.Vna(), "SAMPLE.ck"));
    kit8753.SetCalType(ctTrl);
    Seed("fuzz_disk_8753", "TRL.ck", EncodeDiskFile8753(kit8753, kit8753.Vna(), "TRL.ck"));

    TCalKit kit8510(Model("8510C"));
    FillSampleKit(kit8510);
    Seed("fuzz_disk_8510", "CK_SAMPLE", EncodeDiskFile8510(kit8510, kit8510.Vna(), "CK_SAMPLE"));

    // The first byte: catalogue index, top bit set for a class row.
    for (int n : {1, 4, 6, 8}) {
        auto record = EncodeStandardRecord(kit8753.Standard(n).Values());
        record.insert(record.begin(), static_cast<std::uint8_t>(n == 8 ? 0 : 16)); // PNA or 8753D/E
        Seed("fuzz_row_paste", "standard-" + std::to_string(n), record);
    }
    for (int n : {3, 11}) {
        auto record = EncodeStdClassRecord(kit8510.StdClass(n).Values());
        record.insert(record.begin(), static_cast<std::uint8_t>(0x80 | 4)); // 8510C
        Seed("fuzz_row_paste", "class-" + std::to_string(n), record);
    }
    return 0;
}
