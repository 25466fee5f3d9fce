// The Touchstone reader on arbitrary text, read as a one-port and as a two-port file: it
// either refuses the text with the program's own failure or yields a measurement that the
// fit can take (one or two ports, ascending frequencies, finite values, a positive
// reference impedance), which the writer writes and the reader reads back unchanged.
#include "FuzzSupport.h"
#include "kit/Utility.h"
#include "response/Touchstone.h"

#include <cmath>
#include <string_view>

namespace {

bool Finite(TComplex value)
{
    return std::isfinite(value.real()) && std::isfinite(value.imag());
}

void Check(const TTouchstoneData& data)
{
    Require(data.Ports == 1 || data.Ports == 2, "port count");
    Require(data.ReferenceZ0 > 0 && std::isfinite(data.ReferenceZ0), "reference impedance");
    Require(!data.Points.empty() && data.Points.size() == data.FrequenciesGHz.size(), "one point per frequency");
    for (std::size_t k = 0; k < data.Points.size(); ++k) {
        const double f = data.FrequenciesGHz[k];
        Require(std::isfinite(f) && f >= 0, "frequency");
        Require(k == 0 || f > data.FrequenciesGHz[k - 1], "ascending frequencies");
        const TSParameters& s = data.Points[k];
        Require(Finite(s.S11) && Finite(s.S21) && Finite(s.S12) && Finite(s.S22), "finite S-parameters");
        if (data.Ports == 1)
            Require(s.S21 == TComplex{} && s.S12 == TComplex{} && s.S22 == TComplex{}, "one-port fills S11 only");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (int ports : {1, 2}) {
        TTouchstoneData read;
        try {
            read = ParseTouchstone(text, ports);
        } catch (const EFileTrouble&) {
            continue;
        }
        Check(read);
        const TTouchstoneData again = ParseTouchstone(TouchstoneText(read), read.Ports);
        Require(again.FrequenciesGHz == read.FrequenciesGHz, "frequencies read back");
        for (std::size_t k = 0; k < read.Points.size(); ++k) {
            const TSParameters& a = read.Points[k];
            const TSParameters& b = again.Points[k];
            Require(a.S11 == b.S11 && a.S21 == b.S21 && a.S12 == b.S12 && a.S22 == b.S22, "values read back");
        }
    }
    return 0;
}
