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
    TStandard& shortStd = kit->Standard(1);
    shortStd.SetStdType(TStdType::Short);
    shortStd.SetC0(2.0765);
    shortStd.SetC1(-108.54);
    shortStd.SetOffsetDelay(31.785);
    shortStd.SetOffsetLoss(2.36);
    TStandard& open = kit->Standard(2);
    open.SetStdType(TStdType::Open);
    open.SetC0(49.43);
    open.SetC1(-310.13);
    open.SetOffsetDelay(29.243);
    open.SetOffsetLoss(2.2);
    open.SetMaxFreq(26.5);
    TStandard& thru = kit->Standard(3);
    thru.SetStdType(TStdType::Thru);
    thru.SetOffsetDelay(85);
    thru.SetOffsetLoss(2.3);
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
