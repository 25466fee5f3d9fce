// What the response view shows of one standard of a kit: its modelled S-parameters over its
// frequency range, and the same standard made ideal (no offset, no parasitic terms) as a
// reference, so that what the coefficients add stands out.
#pragma once

#include <QString>
#include <vector>

#include "response/StandardModel.h"
#include "response/ResponseSweep.h"
#include "ui/response/ResponseTrace.h"

class TCalKit;

struct TResponseCurves {
    int StandardNumber = 0;
    TStandardModel Model;
    // The standard's default sweep, at ResponsePoints points.
    TFrequencySweep Range;
    // "Standard 3: Open "SHORT-M"" style caption; empty for no standard.
    QString Title;
    // S11, and S21 for a thru/line; empty for a standard of type None.
    std::vector<TResponseTrace> Traces;
    // The ideal counterparts of Traces, in the same order.
    std::vector<TResponseTrace> Ideal;

    bool IsEmpty() const { return Traces.empty(); }
};

inline constexpr int ResponsePoints = 401;

// The ideal counterpart of model: the same type and termination impedance, without offset,
// loss or parasitic coefficients (an ideal open, short, matched load or thru).
TStandardModel IdealModel(const TStandardModel& model);

// The curves of standard n (1..the model's standards) of kit over its default sweep,
// without the frequencies that have no response (at or below a waveguide's cutoff); a
// standard of type None, or one without any such frequency, gives curves without traces
// (but with its title and range).
TResponseCurves ComputeResponseCurves(const TCalKit& kit, int n, int points = ResponsePoints);

// The range as a caption shows it: "0.045 to 26.5 GHz".
QString RangeText(const TFrequencySweep& range);
