#include "ui/response/ResponsePicture.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>

#include "ui/response/SmithChart.h"
#include "ui/response/TraceValues.h"

namespace {

const QColor GridColor(0xdd, 0xdd, 0xdd);
const QColor FrameColor(0x90, 0x90, 0x90);
const QColor TextColor(0x20, 0x20, 0x20);
const QColor HintColor(0x80, 0x80, 0x80);

// Magnitude range when no trace has a finite one (every value 0), and the least spans.
constexpr double EmptyMagnitudeLow = -60;
constexpr double MinimumMagnitudeSpan = 0.1;
constexpr double MinimumPhaseSpan = 10;
constexpr double MinimumFrequencySpan = 1;
// The share of the data's span left free above and below it, so a flat trace at a tick
// (an ideal standard at 0 dB or 0 degrees) does not vanish in the plot's frame.
constexpr double Headroom = 0.04;
// How near (pixels) a point must be to a trace point on the Smith chart to read it off.
constexpr double SmithPickDistance = 10;
// Below this many text lines of height the layout turns compact; below this many lines of
// radius the Smith chart leaves out its resistance labels.
constexpr double CompactLines = 17;
constexpr double SmithLabelLines = 4;

QString Tr(const char* text)
{
    return QCoreApplication::translate("TResponseView", text);
}

// The font at a fixed pixel size, so the picture looks the same on the screen, in an image
// and in an SVG file.
QFont PixelFont(QFont font)
{
    if (font.pixelSize() <= 0)
        font.setPixelSize(std::max(9, QFontInfo(font).pixelSize()));
    return font;
}

QPen TracePen(const TPlottedTrace& trace)
{
    QPen pen(trace.Trace->Color, trace.Ideal ? 1.2 : 1.8);
    if (trace.Ideal)
        pen.setStyle(Qt::DashLine);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// The finite values of every trace's list chosen by member.
template <typename Member>
std::pair<double, double> FiniteSpan(const std::vector<TPlottedTrace>& traces, Member member)
{
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const TPlottedTrace& trace : traces)
        for (const double value : trace.*member)
            if (std::isfinite(value)) {
                low = std::min(low, value);
                high = std::max(high, value);
            }
    return {low, high};
}

// A number with so many decimals, without a minus sign on a value that rounds to 0.
QString Fixed(double value, int decimals)
{
    if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0;
    return QString::number(value, 'f', decimals);
}

}  // namespace

TResponseLayout TResponseLayout::Of(const QRectF& area, double lineHeight)
{
    const double margin = lineHeight * 0.5;
    const double line = lineHeight * 1.4;
    const double left = area.left() + margin;
    const double width = std::max(0.0, area.width() - 2 * margin);
    // A low view puts the legend beside the read-out and the two plots beside each other, so
    // each keeps some height.
    const bool low = area.height() < lineHeight * CompactLines;
    TResponseLayout layout;
    layout.Title = QRectF(left, area.top() + margin / 2, width, line);
    if (low) {
        layout.Legend = QRectF(left, area.bottom() - margin / 2 - line, width / 2, line);
        layout.Readout = layout.Legend.translated(width / 2, 0);
    } else {
        layout.Readout = QRectF(left, area.bottom() - margin / 2 - line, width, line);
        layout.Legend = layout.Readout.translated(0, -line);
    }
    const QRectF body(left, layout.Title.bottom() + margin / 2, width,
                      std::max(0.0, layout.Legend.top() - layout.Title.bottom() - margin));
    const double side =
        std::max(0.0, std::min(body.height(), body.width() * (low ? 0.24 : 0.42)) - margin);
    layout.Smith = QRectF(body.left(), body.top() + (body.height() - side) / 2, side, side);
    // Each plot leaves room for its caption above, its tick labels left and below, and half
    // a tick label right.
    const auto plot = [&](double x0, double x1, double top, double height) {
        const QPointF topLeft(x0 + lineHeight * 4, top + line);
        return QRectF(topLeft, QPointF(std::max(topLeft.x(), x1 - lineHeight * 1.5),
                                       std::max(topLeft.y(), top + height - line)));
    };
    const double plotsLeft = layout.Smith.right() + margin;
    if (low) {
        const double half = (body.right() - plotsLeft) / 2;
        layout.Magnitude = plot(plotsLeft, plotsLeft + half, body.top(), body.height());
        layout.Phase = plot(plotsLeft + half, body.right(), body.top(), body.height());
    } else {
        const double half = body.height() / 2;
        layout.Magnitude = plot(plotsLeft, body.right(), body.top(), half);
        layout.Phase = plot(plotsLeft, body.right(), body.top() + half, half);
    }
    return layout;
}

TResponsePicture::TResponsePicture(const TResponseCurves& curves, const std::vector<TResponseTrace>& extras,
                                   const QFont& font)
    : FCurves(curves), FFont(PixelFont(font))
{
    const auto add = [this](const TResponseTrace& trace, bool ideal) {
        TPlottedTrace plotted{&trace, ideal, {}, PlottedPhaseDegrees(trace.Values)};
        for (const TComplex value : trace.Values)
            plotted.MagnitudeDb.push_back(MagnitudeDb(value));
        FTraces.push_back(std::move(plotted));
    };
    for (const TResponseTrace& trace : curves.Traces)
        add(trace, false);
    for (const TResponseTrace& trace : curves.Ideal)
        add(trace, true);
    for (const TResponseTrace& trace : extras)
        add(trace, false);
    // Each trace starts within half a turn of its ideal reference; an extra trace within
    // half a turn of the standard's first trace at the extra trace's first frequency.
    const std::size_t own = curves.Traces.size();
    for (std::size_t i = 0; i < own && i < curves.Ideal.size(); ++i)
        if (!FTraces[own + i].PhaseDegrees.empty())
            AlignTurns(FTraces[i].PhaseDegrees, FTraces[own + i].PhaseDegrees.front());
    if (own > 0) {
        const TPlottedTrace& first = FTraces.front();
        for (std::size_t i = own + curves.Ideal.size(); i < FTraces.size(); ++i) {
            const TResponseTrace& extra = *FTraces[i].Trace;
            if (extra.FrequenciesGHz.empty())
                continue;
            if (const auto index = NearestFrequency(first.Trace->FrequenciesGHz, extra.FrequenciesGHz.front()))
                AlignTurns(FTraces[i].PhaseDegrees, first.PhaseDegrees[*index]);
        }
    }
}

double TResponsePicture::LineHeight() const
{
    return QFontMetricsF(FFont).height();
}

TResponseLayout TResponsePicture::Layout(const QRectF& area) const
{
    return TResponseLayout::Of(area, LineHeight());
}

TFrequencySweep TResponsePicture::FrequencySpan() const
{
    TFrequencySweep span = FCurves.Range;
    if (FCurves.Traces.empty() && !FTraces.empty()) {
        span.StartGHz = std::numeric_limits<double>::infinity();
        span.StopGHz = -span.StartGHz;
        for (const TPlottedTrace& trace : FTraces)
            for (const double frequency : trace.Trace->FrequenciesGHz) {
                span.StartGHz = std::min(span.StartGHz, frequency);
                span.StopGHz = std::max(span.StopGHz, frequency);
            }
        if (!std::isfinite(span.StartGHz))
            span = FCurves.Range;
    }
    if (!(span.StopGHz > span.StartGHz)) {
        const double middle = (span.StartGHz + span.StopGHz) / 2;
        span.StartGHz = middle - MinimumFrequencySpan / 2;
        span.StopGHz = middle + MinimumFrequencySpan / 2;
    }
    return span;
}

TAxisTicks TResponsePicture::MagnitudeTicks(int maxTicks) const
{
    auto [low, high] = FiniteSpan(FTraces, &TPlottedTrace::MagnitudeDb);
    if (!std::isfinite(low)) {
        low = EmptyMagnitudeLow;
        high = 0;
    }
    const double pad = std::max(high - low, MinimumMagnitudeSpan) * Headroom;
    return ChooseTicks(low - pad, high + pad, maxTicks, MinimumMagnitudeSpan);
}

TAxisTicks TResponsePicture::PhaseTicks(int maxTicks) const
{
    auto [low, high] = FiniteSpan(FTraces, &TPlottedTrace::PhaseDegrees);
    if (!std::isfinite(low))
        low = high = 0;
    const double pad = std::max(high - low, MinimumPhaseSpan) * Headroom;
    return ChooseTicks(low - pad, high + pad, maxTicks, MinimumPhaseSpan);
}

std::vector<double> TResponsePicture::FrequencyTicks(int maxTicks) const
{
    const TFrequencySweep span = FrequencySpan();
    // The span has its width already: ticks are chosen inside it, not around it.
    const TAxisTicks ticks = ChooseTicks(span.StartGHz, span.StopGHz, maxTicks, span.StopGHz - span.StartGHz);
    const double slack = ticks.Step * 1e-6;
    std::vector<double> inside;
    for (const double value : ticks.Values())
        if (value >= span.StartGHz - slack && value <= span.StopGHz + slack)
            inside.push_back(value);
    return inside;
}

TLinearAxis TResponsePicture::FrequencyAxis(const QRectF& plot) const
{
    const TFrequencySweep span = FrequencySpan();
    return TLinearAxis(span.StartGHz, span.StopGHz, plot.left(), plot.right());
}

std::optional<double> TResponsePicture::FrequencyAt(const QRectF& area, const QPointF& point) const
{
    if (FTraces.empty())
        return std::nullopt;
    const TResponseLayout layout = Layout(area);
    for (const QRectF& plot : {layout.Magnitude, layout.Phase})
        if (plot.contains(point)) {
            const TFrequencySweep span = FrequencySpan();
            return std::clamp(FrequencyAxis(plot).ToValue(point.x()), std::min(span.StartGHz, span.StopGHz),
                              std::max(span.StartGHz, span.StopGHz));
        }
    if (!layout.Smith.contains(point))
        return std::nullopt;
    const TSmithMapping smith(layout.Smith);
    std::optional<double> nearest;
    double best = SmithPickDistance;
    for (const TPlottedTrace& trace : FTraces)
        for (std::size_t i = 0; i < trace.Trace->Values.size() && i < trace.Trace->FrequenciesGHz.size(); ++i) {
            const QPointF offset = smith.ToPixel(trace.Trace->Values[i]) - point;
            const double distance = std::hypot(offset.x(), offset.y());
            if (distance < best) {
                best = distance;
                nearest = trace.Trace->FrequenciesGHz[i];
            }
        }
    return nearest;
}

QString TResponsePicture::ReadoutText(double frequencyGHz) const
{
    // The frequency of the standard's own point nearest to the one asked for, so that the
    // values shown belong to the frequency shown.
    if (!FCurves.Traces.empty())
        if (const auto index = NearestFrequency(FCurves.Traces.front().FrequenciesGHz, frequencyGHz))
            frequencyGHz = FCurves.Traces.front().FrequenciesGHz[*index];
    QStringList parts{Tr("%1 GHz").arg(QString::number(frequencyGHz, 'g', 6))};
    for (std::size_t i = 0; i < FTraces.size(); ++i) {
        const TPlottedTrace& trace = FTraces[i];
        if (trace.Ideal)
            continue;
        const bool own = i < FCurves.Traces.size();
        const auto index = NearestFrequency(trace.Trace->FrequenciesGHz, frequencyGHz, !own);
        if (!index || *index >= trace.Trace->Values.size())
            continue;
        const double db = trace.MagnitudeDb[*index];
        const double phase = trace.PhaseDegrees[*index];
        parts.append(!std::isfinite(db) ? Tr("%1: 0").arg(trace.Trace->Name)
                                    : Tr("%1: %2 dB, %3")
                                          .arg(trace.Trace->Name, Fixed(db, 3), Fixed(phase, 2) + QChar(0x00b0)));
    }
    return parts.join(QStringLiteral("   "));
}

void TResponsePicture::Paint(QPainter& painter, const QRectF& area) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(FFont);
    painter.fillRect(area, Qt::white);
    const TResponseLayout layout = Layout(area);
    painter.setPen(TextColor);
    QFont bold = FFont;
    bold.setBold(true);
    painter.setFont(bold);
    const QString title = FCurves.Title.isEmpty() ? Tr("No standard chosen") : FCurves.Title;
    painter.drawText(layout.Title, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(bold).elidedText(title, Qt::ElideRight, layout.Title.width()));
    painter.setFont(FFont);
    PaintSmith(painter, layout.Smith);
    PaintPlot(painter, layout.Magnitude, true);
    PaintPlot(painter, layout.Phase, false);
    PaintLegend(painter, layout.Legend);
    PaintReadout(painter, layout.Readout);
    if (FTraces.empty()) {
        const QString why = FCurves.StandardNumber > 0 && FCurves.Model.Type != TStdType::None
                                ? Tr("No frequency of the range lies above the waveguide cutoff")
                                : Tr("No standard is defined in this row");
        painter.setPen(HintColor);
        painter.drawText(layout.Magnitude.united(layout.Phase), Qt::AlignCenter, why);
    }
    painter.restore();
}

void TResponsePicture::PaintSmith(QPainter& painter, const QRectF& area) const
{
    if (area.width() < 4)
        return;
    const TSmithMapping smith(area);
    painter.setPen(QPen(GridColor, 1));
    for (const std::vector<TComplex>& line : SmithGridLines()) {
        QPolygonF polygon;
        for (const TComplex gamma : line)
            polygon << smith.ToPixel(gamma);
        painter.drawPolyline(polygon);
    }
    painter.setPen(QPen(FrameColor, 1.2));
    painter.drawEllipse(smith.Centre(), smith.Radius(), smith.Radius());
    if (smith.Radius() < LineHeight() * SmithLabelLines)
        return PaintSmithTraces(painter, area);
    painter.setPen(HintColor);
    QFont small = FFont;
    small.setPixelSize(std::max(8, FFont.pixelSize() * 4 / 5));
    painter.setFont(small);
    const QFontMetricsF metrics(small);
    for (const double r : SmithGridValues) {
        const QPointF at = smith.ToPixel(ReflectionOf({r, 0}, 1));
        const QString text = QString::number(r);
        painter.drawText(QPointF(at.x() - metrics.horizontalAdvance(text) - 2, at.y() - 2), text);
    }
    painter.setFont(FFont);
    PaintSmithTraces(painter, area);
}

void TResponsePicture::PaintSmithTraces(QPainter& painter, const QRectF& area) const
{
    const TSmithMapping smith(area);
    painter.save();
    painter.setClipRect(area.adjusted(-4, -4, 4, 4));
    for (auto trace = FTraces.rbegin(); trace != FTraces.rend(); ++trace) {
        const std::vector<TComplex>& values = trace->Trace->Values;
        if (values.empty())
            continue;
        QPolygonF polygon;
        for (const TComplex value : values)
            polygon << smith.ToPixel(value);
        painter.setPen(TracePen(*trace));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(polygon);
        // The start of the range: a dot on the standard's traces, a ring on the ideal ones
        // (which are often a single point).
        painter.setPen(QPen(trace->Trace->Color, 1.2));
        if (trace->Ideal) {
            painter.drawEllipse(polygon.front(), 4.5, 4.5);
        } else {
            painter.setBrush(trace->Trace->Color);
            painter.drawEllipse(polygon.front(), 2.5, 2.5);
            painter.setBrush(Qt::NoBrush);
        }
        if (FHover)
            if (const auto index = NearestFrequency(trace->Trace->FrequenciesGHz, *FHover, true);
                index && *index < values.size()) {
                painter.setPen(QPen(Qt::black, 1));
                painter.setBrush(trace->Trace->Color);
                painter.drawEllipse(smith.ToPixel(values[*index]), 3.5, 3.5);
                painter.setBrush(Qt::NoBrush);
            }
    }
    painter.restore();
}

void TResponsePicture::PaintPlot(QPainter& painter, const QRectF& plot, bool magnitude) const
{
    if (plot.width() < 4 || plot.height() < 4)
        return;
    const double line = LineHeight();
    const QFontMetricsF metrics(FFont);
    const int maxY = std::max(2, static_cast<int>(plot.height() / (line * 1.5)));
    const int maxX = std::max(2, static_cast<int>(plot.width() / (line * 4.5)));
    const TAxisTicks yTicks = magnitude ? MagnitudeTicks(maxY) : PhaseTicks(maxY);
    const TLinearAxis y(yTicks.First, yTicks.Last, plot.bottom(), plot.top());
    const TLinearAxis x = FrequencyAxis(plot);

    painter.setPen(TextColor);
    const QString caption = magnitude ? Tr("Magnitude (dB) against frequency (GHz)")
                                      : Tr("Phase (degrees, unwrapped) against frequency (GHz)");
    painter.drawText(QRectF(plot.left() - line * 3.5, plot.top() - line * 1.4, plot.width() + line * 3.5, line * 1.3),
                     Qt::AlignLeft | Qt::AlignVCenter, caption);
    for (const double value : yTicks.Values()) {
        const double at = y.ToPixel(value);
        painter.setPen(QPen(GridColor, 1));
        painter.drawLine(QPointF(plot.left(), at), QPointF(plot.right(), at));
        painter.setPen(TextColor);
        painter.drawText(QRectF(plot.left() - line * 4, at - line / 2, line * 4 - 4, line),
                         Qt::AlignRight | Qt::AlignVCenter, TickText(value, yTicks.Step));
    }
    const std::vector<double> xTicks = FrequencyTicks(maxX);
    const double xStep = xTicks.size() > 1 ? xTicks[1] - xTicks[0] : 1;
    for (const double value : xTicks) {
        const double at = x.ToPixel(value);
        painter.setPen(QPen(GridColor, 1));
        painter.drawLine(QPointF(at, plot.top()), QPointF(at, plot.bottom()));
        painter.setPen(TextColor);
        const QString text = TickText(value, xStep);
        const double width = metrics.horizontalAdvance(text) + 4;
        painter.drawText(QRectF(at - width / 2, plot.bottom() + 2, width, line), Qt::AlignCenter, text);
    }
    painter.setPen(QPen(FrameColor, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);

    painter.save();
    painter.setClipRect(plot.adjusted(-1, -1, 1, 1));
    for (auto trace = FTraces.rbegin(); trace != FTraces.rend(); ++trace) {
        const std::vector<double>& values = magnitude ? trace->MagnitudeDb : trace->PhaseDegrees;
        const std::vector<double>& frequencies = trace->Trace->FrequenciesGHz;
        QPainterPath path;
        bool drawing = false;
        for (std::size_t i = 0; i < values.size() && i < frequencies.size(); ++i) {
            if (!std::isfinite(values[i])) {
                drawing = false;
                continue;
            }
            const QPointF point(x.ToPixel(frequencies[i]), y.ToPixel(values[i]));
            if (drawing)
                path.lineTo(point);
            else
                path.moveTo(point);
            drawing = true;
        }
        painter.setPen(TracePen(*trace));
        painter.drawPath(path);
        if (values.size() == 1 && std::isfinite(values.front())) {
            painter.setBrush(trace->Trace->Color);
            painter.drawEllipse(QPointF(x.ToPixel(frequencies.front()), y.ToPixel(values.front())), 2.5, 2.5);
            painter.setBrush(Qt::NoBrush);
        }
    }
    if (FHover) {
        const double at = x.ToPixel(*FHover);
        painter.setPen(QPen(FrameColor, 1, Qt::DotLine));
        painter.drawLine(QPointF(at, plot.top()), QPointF(at, plot.bottom()));
        for (const TPlottedTrace& trace : FTraces) {
            const std::vector<double>& values = magnitude ? trace.MagnitudeDb : trace.PhaseDegrees;
            const auto index = NearestFrequency(trace.Trace->FrequenciesGHz, *FHover, true);
            if (!index || *index >= values.size() || !std::isfinite(values[*index]))
                continue;
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(trace.Trace->Color);
            painter.drawEllipse(QPointF(x.ToPixel(trace.Trace->FrequenciesGHz[*index]), y.ToPixel(values[*index])),
                                3.5, 3.5);
            painter.setBrush(Qt::NoBrush);
        }
    }
    painter.restore();
}

void TResponsePicture::PaintLegend(QPainter& painter, const QRectF& area) const
{
    const QFontMetricsF metrics(FFont);
    const double sample = LineHeight() * 1.6;
    double left = area.left();
    for (const TPlottedTrace& trace : FTraces) {
        const double width = sample + 6 + metrics.horizontalAdvance(trace.Trace->Name) + LineHeight();
        if (left + width > area.right())
            break;
        painter.setPen(TracePen(trace));
        painter.drawLine(QPointF(left, area.center().y()), QPointF(left + sample, area.center().y()));
        painter.setPen(TextColor);
        painter.drawText(QRectF(left + sample + 6, area.top(), width, area.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         trace.Trace->Name);
        left += width;
    }
}

void TResponsePicture::PaintReadout(QPainter& painter, const QRectF& area) const
{
    if (FTraces.empty())
        return;
    const bool hovering = FHover.has_value();
    painter.setPen(hovering ? TextColor : HintColor);
    const QString text = hovering ? ReadoutText(*FHover) : Tr("Point at a plot to read off the frequency and values");
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(FFont).elidedText(text, Qt::ElideRight, area.width()));
}

std::optional<std::size_t> NearestFrequency(const std::vector<double>& frequencies, double frequencyGHz, bool inside)
{
    if (frequencies.empty())
        return std::nullopt;
    if (inside && (frequencyGHz < frequencies.front() - 1e-9 || frequencyGHz > frequencies.back() + 1e-9))
        return std::nullopt;
    const auto above = std::lower_bound(frequencies.begin(), frequencies.end(), frequencyGHz);
    if (above == frequencies.begin())
        return 0;
    if (above == frequencies.end())
        return frequencies.size() - 1;
    const auto below = above - 1;
    return static_cast<std::size_t>((frequencyGHz - *below <= *above - frequencyGHz ? below : above) -
                                    frequencies.begin());
}
