// The example kits of docs/examples: every value, as the committed kit files must hold them.
// The coefficients are typical of the published data of such kits; the files are examples,
// not the data of any one kit.
#pragma once

#include "analyzers/Vna.h"
#include "kit/CalKit.h"

#include <memory>
#include <string>
#include <vector>

struct TExampleKit {
    std::string FileName; // under docs/examples
    std::string Model;
    std::string Label;
    std::string Description;
    double SystemZ0 = 50;
    std::vector<TStandardValues> Standards; // standards 1..n
    std::vector<TStdClassValues> Classes;   // classes 1..m
};

inline std::vector<TExampleKit> ExampleKits()
{
    using enum TStdType;
    const double open35[4] = {49.43, -310.13, 23.168, -0.15966};
    const double short35[4] = {2.0765, -108.54, 2.1705, -0.01};
    // The legacy classes: S11A, S11B, S11C, S22A, S22B, S22C, forward and reverse transmission and match.
    const std::vector<TStdClassValues> coaxClasses = {
        {{2}, "OPEN M"},   {{1}, "SHORT M"}, {{3, 4}, "LOADS"}, {{7}, "OPEN F"}, {{6}, "SHORT F"},
        {{3, 4}, "LOADS"}, {{5}, "THRU"},    {{5}, "THRU"},     {{5}, "THRU"},   {{5}, "THRU"}};
    return {
        {"3.5mm-kit.tsy", "8510C", "3.5MM EX", "3.5 mm example kit, DC to 26.5 GHz: male and female opens and shorts, loads, thru",
         50,
         {{.StdType = Short, .C0 = short35[0], .C1 = short35[1], .C2 = short35[2], .C3 = short35[3],
           .OffsetDelay = 31.785, .OffsetLoss = 2.36, .MaxFreq = 999, .Label = "SHORT -M-"},
          {.StdType = Open, .C0 = open35[0], .C1 = open35[1], .C2 = open35[2], .C3 = open35[3], .OffsetDelay = 29.243,
           .OffsetLoss = 2.2, .MaxFreq = 999, .Label = "OPEN -M-"},
          {.StdType = Load, .OffsetLoss = 2.3, .MaxFreq = 26.5, .Label = "BROADBAND"},
          {.StdType = Load, .LoadType = TLoadType::Sliding, .MinFreq = 3, .MaxFreq = 26.5, .Label = "SLIDING"},
          {.StdType = Thru, .OffsetLoss = 2.3, .MaxFreq = 999, .Label = "THRU"},
          {.StdType = Short, .C0 = short35[0], .C1 = short35[1], .C2 = short35[2], .C3 = short35[3],
           .OffsetDelay = 31.785, .OffsetLoss = 2.36, .MaxFreq = 999, .Label = "SHORT -F-"},
          {.StdType = Open, .C0 = open35[0], .C1 = open35[1], .C2 = open35[2], .C3 = open35[3], .OffsetDelay = 29.243,
           .OffsetLoss = 2.2, .MaxFreq = 999, .Label = "OPEN -F-"}},
         coaxClasses},
        {"type-n-kit.tsy", "8753D/E", "TYPE-N EX", "Type-N example kit, DC to 18 GHz: open, short, loads, thru, 75 ohm termination",
         50,
         {{.StdType = Short, .OffsetDelay = 0, .MaxFreq = 999, .Label = "SHORT"},
          {.StdType = Open, .C0 = 108, .C1 = 55, .MaxFreq = 999, .Label = "OPEN"},
          {.StdType = Load, .MaxFreq = 2, .Label = "BROADBAND"},
          {.StdType = Load, .LoadType = TLoadType::Sliding, .MinFreq = 2, .MaxFreq = 18, .Label = "SLIDING"},
          {.StdType = Thru, .MaxFreq = 999, .Label = "THRU"},
          {.StdType = Short, .OffsetDelay = 17.544, .OffsetLoss = 1.3, .MaxFreq = 999, .Label = "SHORT -F-"},
          {.StdType = Open, .C0 = 108, .C1 = 55, .OffsetDelay = 17.544, .OffsetLoss = 1.3, .MaxFreq = 999,
           .Label = "OPEN -F-"},
          {.StdType = ArbiZ, .OffsetDelay = 17.544, .OffsetLoss = 1.3, .MaxFreq = 999, .TermZ = 75, .Label = "75 OHM"}},
         coaxClasses},
        {"wr90-kit.tsy", "8510C", "WR-90 EX",
         "WR-90 (X band) example kit, 8.2 to 12.4 GHz: flush and 1/8 and 3/8 wave offset shorts, load, thru, 1/4 wave line",
         1,
         {{.StdType = Short, .OffsetZ0 = 1, .MinFreq = 6.557, .MaxFreq = 12.4, .Medium = TMedium::Waveguide, .Label = "SHORT"},
          {.StdType = Short, .OffsetDelay = 16.578, .OffsetZ0 = 1, .MinFreq = 6.557, .MaxFreq = 12.4,
           .Medium = TMedium::Waveguide, .Label = "1/8 OFFSET"},
          {.StdType = Load, .OffsetZ0 = 1, .MinFreq = 6.557, .MaxFreq = 12.4, .Medium = TMedium::Waveguide,
           .Label = "LOAD"},
          {.StdType = Short, .OffsetDelay = 49.734, .OffsetZ0 = 1, .MinFreq = 6.557, .MaxFreq = 12.4,
           .Medium = TMedium::Waveguide, .Label = "3/8 OFFSET"},
          {.StdType = Thru, .OffsetZ0 = 1, .MinFreq = 6.557, .MaxFreq = 12.4, .Medium = TMedium::Waveguide,
           .Label = "THRU"},
          {.StdType = Thru, .OffsetDelay = 33.156, .OffsetZ0 = 1, .MinFreq = 6.557, .MaxFreq = 12.4,
           .Medium = TMedium::Waveguide, .Label = "LINE"}},
         {{{2}, "OFFSET 1"}, {{1}, "SHORT"}, {{3}, "LOAD"}, {{2}, "OFFSET 1"}, {{1}, "SHORT"},
          {{3}, "LOAD"}, {{5}, "THRU"}, {{5}, "THRU"}, {{5}, "THRU"}, {{5}, "THRU"}}},
    };
}

// The kit the table describes.
inline std::unique_ptr<TCalKit> BuildExampleKit(const TExampleKit& example)
{
    auto kit = TCalKit::Create(*FindVna(example.Model));
    kit->SetLabel(example.Label);
    kit->SetDescription(example.Description);
    kit->SetSystemZ0(example.SystemZ0);
    for (std::size_t i = 0; i < example.Standards.size(); ++i)
        kit->Standard(static_cast<int>(i) + 1).SetValues(example.Standards[i]);
    for (std::size_t i = 0; i < example.Classes.size(); ++i)
        kit->StdClass(static_cast<int>(i) + 1).SetValues(example.Classes[i]);
    return kit;
}
