// The response picture: the Smith chart of the reflection (and transmission of a thru), the
// magnitude in dB and the unwrapped phase in degrees against frequency, a caption, a legend
// and, while the mouse rests on a plot, a read-out of the frequency and values there. It
// paints on any painter (the view, a PNG image, an SVG file) and answers where its parts
// lie, so the view and the tests need no screen to ask.
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "ui/response/PlotAxis.h"
#include "ui/response/ResponseCurves.h"

class QPainter;

// Where the parts of the picture lie inside its area.
struct TResponseLayout {
    QRectF Title;
    QRectF Smith;      // a square holding the chart's unit circle
    QRectF Magnitude;  // the plot area inside the axes
    QRectF Phase;
    QRectF Legend;
    QRectF Readout;

    static TResponseLayout Of(const QRectF& area, double lineHeight);
};

// One trace as the plots show it: its values and, derived from them, the magnitude in dB
// (-infinity for 0) and the unwrapped phase (NaN for 0).
struct TPlottedTrace {
    const TResponseTrace* Trace = nullptr;
    bool Ideal = false;
    std::vector<double> MagnitudeDb;
    std::vector<double> PhaseDegrees;
};

// The picture refers to the curves and the extra traces it is made of: they outlive it.
class TResponsePicture {
public:
    TResponsePicture(const TResponseCurves& curves, const std::vector<TResponseTrace>& extras, const QFont& font);

    void SetHoverFrequency(std::optional<double> frequencyGHz) { FHover = frequencyGHz; }

    void Paint(QPainter& painter, const QRectF& area) const;

    TResponseLayout Layout(const QRectF& area) const;
    // The frequency the point stands for: along the frequency axis on the magnitude and
    // phase plots; on the Smith chart the frequency of the trace point nearest to it (within
    // a few pixels). None elsewhere or without traces.
    std::optional<double> FrequencyAt(const QRectF& area, const QPointF& point) const;
    // "12.5 GHz   S11 0.9981 / -45.2 deg (-0.017 dB)   ...": each trace's value nearest to
    // the frequency, extra traces only inside their own frequency span.
    QString ReadoutText(double frequencyGHz) const;

    // Every trace in legend order: the standard's own, the ideal references, the extra traces.
    // They are drawn the other way round, so the standard's own lie on top.
    const std::vector<TPlottedTrace>& Traces() const { return FTraces; }
    // The value ranges of the axes, for a given number of tick intervals.
    TAxisTicks MagnitudeTicks(int maxTicks) const;
    TAxisTicks PhaseTicks(int maxTicks) const;
    // The tick values on the frequency axis: inside the shown range only.
    std::vector<double> FrequencyTicks(int maxTicks) const;
    // The frequency axis' ends: the standard's range, or the extra traces' when there is none;
    // 1 GHz around a single frequency.
    TFrequencySweep FrequencySpan() const;

private:
    void PaintSmith(QPainter& painter, const QRectF& area) const;
    void PaintSmithTraces(QPainter& painter, const QRectF& area) const;
    void PaintPlot(QPainter& painter, const QRectF& area, bool magnitude) const;
    void PaintLegend(QPainter& painter, const QRectF& area) const;
    void PaintReadout(QPainter& painter, const QRectF& area) const;
    double LineHeight() const;
    TLinearAxis FrequencyAxis(const QRectF& plot) const;

    const TResponseCurves& FCurves;
    QFont FFont;
    std::vector<TPlottedTrace> FTraces;
    std::optional<double> FHover;
};

// The index of the frequency nearest to frequencyGHz in an ascending list; none for an
// empty list or, when inside is true, a frequency outside the list's span.
std::optional<std::size_t> NearestFrequency(const std::vector<double>& frequencies, double frequencyGHz,
                                            bool inside = false);
