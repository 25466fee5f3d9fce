// A trace that another part of the program lays over a standard's modelled response: a
// measurement, a fitted model, a residual. The response view draws it on the Smith chart and
// on the magnitude and phase plots and names it in the legend.
#pragma once

#include <QColor>
#include <QString>
#include <vector>

#include "response/StandardModel.h"

struct TResponseTrace {
    QString Name;
    QColor Color;
    // One value per frequency; the two lists have the same length.
    std::vector<double> FrequenciesGHz;
    std::vector<TComplex> Values;
};
