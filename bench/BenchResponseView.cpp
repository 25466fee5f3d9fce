// What a typed value costs the response view before the next frame: the standard's curves
// computed again and the whole picture painted at a kit window's size. The goal is one frame
// at 60 Hz (under 16 ms) for an open, a short and a thru.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/Standard.h"
#include "ui/response/ResponseCurves.h"
#include "ui/response/ResponsePicture.h"

namespace {

std::unique_ptr<TCalKit> ExampleKit()
{
    auto kit = TCalKit::Create(*FindVna("8510C"));
    kit->Standard(1).SetValues(
        {.StdType = TStdType::Short, .C0 = 2.0765, .C1 = -108.54, .OffsetDelay = 31.785, .OffsetLoss = 2.36});
    kit->Standard(2).SetValues({.StdType = TStdType::Open, .C0 = 49.43, .C1 = -310.13, .OffsetDelay = 29.243,
                                .OffsetLoss = 2.2, .MaxFreq = 26.5});
    kit->Standard(3).SetValues({.StdType = TStdType::Thru, .OffsetDelay = 85, .OffsetLoss = 2.3});
    return kit;
}

void ResponseRedraw(benchmark::State& state)
{
    const auto kit = ExampleKit();
    const int standard = static_cast<int>(state.range(0));
    QImage image(1000, 380, QImage::Format_RGB32);
    const QFont font = QApplication::font();
    for (auto _ : state) {
        const TResponseCurves curves = ComputeResponseCurves(*kit, standard);
        const TResponsePicture picture(curves, {}, font);
        QPainter painter(&image);
        picture.Paint(painter, image.rect());
    }
}
BENCHMARK(ResponseRedraw)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
