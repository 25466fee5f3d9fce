// Kits and models for the transfer tests.
#pragma once

#include "analyzers/Vna.h"
#include "kit/CalKit.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

// The catalogue model of that name (as FindVna takes it).
inline TVna& Model(const std::string& name)
{
    TVna* vna = FindVna(name);
    if (vna == nullptr)
        throw std::invalid_argument("no model " + name);
    return *vna;
}

inline std::unique_ptr<TCalKit> NewKit(const std::string& model)
{
    return TCalKit::Create(Model(model));
}

inline void Define(TCalKit& kit, int number, const TStandardValues& values)
{
    kit.Standard(number).SetValues(values);
}

inline void Assign(TCalKit& kit, int number, const std::array<std::int32_t, 7>& standards, const std::string& label)
{
    kit.StdClass(number).SetValues(TStdClassValues{standards, label});
}

// Puts a catalogue model's selected option back at the end of a test.
class SelectedOptionGuard {
public:
    explicit SelectedOptionGuard(TVna& vna) : vna_(vna), saved_(vna.SelectedOption) {}
    ~SelectedOptionGuard() { vna_.SelectedOption = saved_; }
    SelectedOptionGuard(const SelectedOptionGuard&) = delete;
    SelectedOptionGuard& operator=(const SelectedOptionGuard&) = delete;

private:
    TVna& vna_;
    int saved_;
};

inline Lines Join(std::initializer_list<Lines> parts)
{
    Lines all;
    for (const Lines& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

#define EXPECT_LINES(actual, expected) EXPECT_THAT((actual), ::testing::ElementsAreArray(expected))
