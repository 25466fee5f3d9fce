#include "SimValueFault.h"

#include "SimEnvironment.h"
#include "SimSyntax.h"

#include <cctype>

namespace {

std::string LowerCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

double* StandardField(SimStandard& s, const std::string& field)
{
    if (field.size() == 2 && (field[0] == 'c' || field[0] == 'l') && field[1] >= '0' && field[1] <= '3')
        return &(field[0] == 'c' ? s.c : s.l)[static_cast<std::size_t>(field[1] - '0')];
    if (field == "termz")
        return &s.termZ;
    if (field == "delay")
        return &s.delay;
    if (field == "loss")
        return &s.loss;
    if (field == "z0")
        return &s.z0;
    if (field == "fmin")
        return &s.fmin;
    if (field == "fmax")
        return &s.fmax;
    return nullptr;
}

} // namespace

std::optional<SimValueFault> SimValueFault::FromEnvironment()
{
    const std::string text = SimEnvironment("TESSALY_SIM_ALTER");
    return text.empty() ? std::nullopt : Parse(text);
}

std::optional<SimValueFault> SimValueFault::Parse(const std::string& text)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos)
        return std::nullopt;
    SimValueFault fault;
    std::string name = TrimBlanks(text.substr(0, equals));
    const std::size_t colon = name.find(':');
    if (colon != std::string::npos) {
        const std::optional<int> standard = ParseInteger(TrimBlanks(name.substr(0, colon)));
        if (!standard || *standard < 1)
            return std::nullopt;
        fault.standard = *standard;
        name = TrimBlanks(name.substr(colon + 1));
    }
    fault.field = LowerCase(name);
    const std::optional<double> value = ParseQuantity(TrimBlanks(text.substr(equals + 1)), SimUnit::None);
    if (!value)
        return std::nullopt;
    fault.value = *value;
    return fault;
}

double* SimValueFault::Target(SimKit& kit) const
{
    if (standard == 0) {
        if (field == "systemz0")
            return &kit.systemZ0;
        if (field == "lowband")
            return &kit.lowband;
        return nullptr;
    }
    if (static_cast<std::size_t>(standard) > kit.standards.size())
        return nullptr;
    return StandardField(kit.standards[static_cast<std::size_t>(standard - 1)], field);
}
