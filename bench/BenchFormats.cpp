// Encoding and decoding each file format in memory, for a filled kit.
#include "../tests/kit/SampleKits.h"
#include "analyzers/DiskFile8510.h"
#include "analyzers/DiskFile8753.h"
#include "kit/KitFile.h"
#include "kit/TextExport.h"

#include <benchmark/benchmark.h>

namespace {

TVna& Model(const char* name)
{
    return *FindVna(name);
}

std::unique_ptr<TCalKit> Sample(const char* model)
{
    auto kit = TCalKit::Create(Model(model));
    FillSampleKit(*kit);
    return kit;
}

void KitFileEncode(benchmark::State& state)
{
    const auto kit = Sample("8753D/E");
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeKitFile(*kit, "C:\\Kits\\sample.tsy", 45000));
}
BENCHMARK(KitFileEncode);

void KitFileDecode(benchmark::State& state)
{
    const auto image = EncodeKitFile(*Sample("8753D/E"), "sample.tsy", 45000);
    for (auto _ : state) {
        TCalKit kit(*Vnas().front());
        DecodeKitFile(kit, image, "sample.tsy");
        benchmark::DoNotOptimize(kit.SystemZ0());
    }
}
BENCHMARK(KitFileDecode);

// What opening and saving a kit costs without the disk: the target is under 20 microseconds.
void KitFileDecodeAndEncode(benchmark::State& state)
{
    const auto image = EncodeKitFile(*Sample("8753D/E"), "sample.tsy", 45000);
    for (auto _ : state) {
        TCalKit kit(*Vnas().front());
        DecodeKitFile(kit, image, "sample.tsy");
        benchmark::DoNotOptimize(EncodeKitFile(kit, "sample.tsy", 45000));
    }
}
BENCHMARK(KitFileDecodeAndEncode);

void DiskFile8753Encode(benchmark::State& state)
{
    const auto kit = Sample("8753D/E");
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeDiskFile8753(*kit, kit->Vna(), "SAMPLE.ck"));
}
BENCHMARK(DiskFile8753Encode);

void DiskFile8753Decode(benchmark::State& state)
{
    TVna& vna = Model("8753D/E");
    const auto image = EncodeDiskFile8753(*Sample("8753D/E"), vna, "SAMPLE.ck");
    for (auto _ : state) {
        TCalKit kit(vna);
        DecodeDiskFile8753(kit, vna, image, "SAMPLE.ck");
        benchmark::DoNotOptimize(kit.SystemZ0());
    }
}
BENCHMARK(DiskFile8753Decode);

void DiskFile8510Encode(benchmark::State& state)
{
    const auto kit = Sample("8510C");
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeDiskFile8510(*kit, kit->Vna(), "CK_SAMPLE"));
}
BENCHMARK(DiskFile8510Encode);

void DiskFile8510Decode(benchmark::State& state)
{
    TVna& vna = Model("8510C");
    const auto image = EncodeDiskFile8510(*Sample("8510C"), vna, "CK_SAMPLE");
    for (auto _ : state) {
        TCalKit kit(vna);
        DecodeDiskFile8510(kit, vna, image, "CK_SAMPLE");
        benchmark::DoNotOptimize(kit.LowbandFrequency());
    }
}
BENCHMARK(DiskFile8510Decode);

void TextExport(benchmark::State& state)
{
    const auto kit = Sample("8510C");
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportTextImage(*kit, ','));
}
BENCHMARK(TextExport);

} // namespace
