// One full kit send as the program runs it. With the no-bus card every command pauses 10 ms;
// the benchmark reports what each command costs beyond that pause (the commands built, the
// card's log line, the pause's overshoot). A second benchmark takes the pause away and times
// the building of the commands alone.
#include "analyzers/BusTransfer.h"
#include "analyzers/Vna.h"
#include "bus/GpibCardUnit.h"
#include "kit/CalKit.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

namespace {

const char* const Models[] = {"8753D/E", "8510C", "PNA 3port"};

// Every standard and every class in use, so that the send is as long as the model allows.
std::unique_ptr<TCalKit> FullKit(TVna& vna)
{
    auto kit = TCalKit::Create(vna);
    kit->SetLabel("BENCH KIT");
    for (int n = 1; n <= vna.NumStandards; ++n)
        kit->Standard(n).SetValues({.StdType = n % 2 ? TStdType::Open : TStdType::Thru,
                                    .C0 = 62.5 + n,
                                    .C1 = -310.1,
                                    .C2 = 23.17,
                                    .C3 = -0.16,
                                    .OffsetDelay = 29.243 * n,
                                    .OffsetZ0 = 50,
                                    .OffsetLoss = 2.2,
                                    .MinFreq = 0.045,
                                    .MaxFreq = 26.5,
                                    .Label = "STD" + std::to_string(n)});
    for (int c = 1; c <= vna.NumClasses; ++c)
        kit->StdClass(c).SetValues({{1, 2, 3, 4, 5, 6, 7}, "CLASS"});
    return kit;
}

// A card that answers like the no-bus card but does not pause.
class TInstantCard final : public TGpibCard {
public:
    TInstantCard() : TGpibCard(gdNone, 0, 0, 0) { SetLoaded(true); }
    void Open() override {}
    void Write(const std::string& command) override { benchmark::DoNotOptimize(command.data()); }
    void Read(std::string& reply) override { reply = "0"; }
    void Close() override {}
};

void SendWithNoBusCard(benchmark::State& state)
{
    TVna& vna = *FindVna(Models[state.range(0)]);
    auto kit = FullKit(vna);
    TNoGpibCard card;
    long long commands = 0;
    SetGpibLogSink([&commands](const std::string&) { ++commands; });
    LogGpib = true;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        SendKitToAnalyzer(*kit, card, [] {});
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    LogGpib = false;
    SetGpibLogSink({});
    // Writes and reads each log one line and pause once.
    const double perCommandMs = seconds * 1e3 / static_cast<double>(commands);
    state.counters["commands"] = static_cast<double>(commands) / static_cast<double>(state.iterations());
    state.counters["ms_beyond_pause_per_command"] = perCommandMs - 10.0;
    state.SetLabel(vna.ModelName);
}
BENCHMARK(SendWithNoBusCard)->DenseRange(0, 2)->Iterations(1)->Unit(benchmark::kMillisecond);

void BuildCommandsWithoutPause(benchmark::State& state)
{
    TVna& vna = *FindVna(Models[state.range(0)]);
    auto kit = FullKit(vna);
    TInstantCard card;
    for (auto _ : state)
        SendKitToAnalyzer(*kit, card, [] {});
    state.SetLabel(vna.ModelName);
}
BENCHMARK(BuildCommandsWithoutPause)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

} // namespace
