// Small complex-number helpers for the standard models and the plots that show them. The
// division is written out so that the model's inner loop stays free of the library's slow
// infinity-checking division.
#pragma once

#include <cmath>
#include <complex>
#include <span>
#include <vector>

using TComplex = std::complex<double>;

// a / b for a finite, non-zero b.
inline TComplex Divide(TComplex a, TComplex b)
{
    const double inverse = 1 / (b.real() * b.real() + b.imag() * b.imag());
    return {(a.real() * b.real() + a.imag() * b.imag()) * inverse, (a.imag() * b.real() - a.real() * b.imag()) * inverse};
}

// exp(-(re + j*im)) for the propagation term of a line: magnitude exp(-re), phase -im.
inline TComplex ExpNegative(double re, double im)
{
    const double magnitude = re == 0 ? 1 : std::exp(-re);
    return {magnitude * std::cos(im), -magnitude * std::sin(im)};
}

// The reflection coefficient of impedance z against the real reference impedance zr > 0.
inline TComplex ReflectionOf(TComplex z, double zr)
{
    return Divide(z - zr, z + zr);
}

// 20*log10|z| in dB; -infinity for z = 0.
double MagnitudeDb(TComplex z);
// The argument of z in degrees, in (-180, 180].
double PhaseDegrees(TComplex z);
// The phases of the values in degrees, unwrapped: each differs from the one before by less
// than 180 degrees, the first lying in (-180, 180].
std::vector<double> UnwrappedPhaseDegrees(std::span<const TComplex> values);
