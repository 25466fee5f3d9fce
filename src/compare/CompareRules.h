// What a comparison of two kits looks at and how closely their numbers must agree. Each way a
// kit can take out of the program and back (the kit file, the analyzers' disk files, a send and
// read over the bus) keeps some values and changes the numbers by its own rounding steps; the
// rules of a comparison follow from the ways its two kits came by.
#pragma once

#include <array>
#include <cstddef>

class TVna;

// Which of a kit's values come back when the kit goes out of the program and is read in again
// on one way: a disk file written and read, or a kit sent to the analyzer and read from it.
// The standards' types and numbers, and the TRL settings the model uses, always come back.
struct TKeptValues {
    bool KitLabel = true;
    bool Description = false; // used only in this program
    bool CalType = false;
    bool SystemZ0 = true;
    bool StandardLabels = true;
    bool LoadTypes = true;     // load types other than Fixed
    bool ClassStandards = true;
    bool ClassLabels = true;
    // A standard without a type comes back without one (a disk file makes it a thru).
    bool UntypedStandards = true;
    // Only the classes of the kit's calibration type come back: the file's class slots hold
    // either the ordinary or the TRL classes.
    bool OnlyActiveClasses = false;

    bool operator==(const TKeptValues&) const = default;
};

// What each family's read over GPIB gives back (the UploadNote in terms a comparison uses):
// the 8753 and 8510 families no labels and no class assignments, the 8753 family no load
// types either; the PNA's classes carry no labels.
TKeptValues UploadKeeps(const TVna& vna);
// What the model's disk file keeps: the 8753 family's only the classes of the kit's
// calibration type, the 8510's no system Z0.
TKeptValues DiskFileKeeps(const TVna& format);

// The kinds of number a kit holds, each with its own unit and rounding on the ways out.
enum class TQuantity { Coefficient, TermZ, OffsetDelay, OffsetZ0, OffsetLoss, Frequency, SystemZ0, Lowband };
inline constexpr std::size_t QuantityCount = 8;

// The ways a kit's numbers take.
enum class TNumberPath { KitFile, DiskFile, Transfer };

// Two numbers agree when they differ by at most Relative times the larger magnitude plus
// Absolute.
struct TTolerance {
    double Relative = 0;
    double Absolute = 0;

    bool Accepts(double a, double b) const;
    TTolerance operator+(const TTolerance& other) const;
    bool operator==(const TTolerance&) const = default;
};

using TToleranceSet = std::array<TTolerance, QuantityCount>;

// The tolerance of one path for one kind of number, from the table of the paths.
const TTolerance& PathTolerance(TNumberPath path, TQuantity quantity);

struct TCompareRules {
    TKeptValues Kept = EverythingKept();
    TToleranceSet Tolerances{};

    const TTolerance& ToleranceOf(TQuantity quantity) const
    {
        return Tolerances[static_cast<std::size_t>(quantity)];
    }

    // Every value, compared exactly: two kits in memory or in kit files.
    static TKeptValues EverythingKept();
    static TCompareRules KitFile();
    // A kit against the kit read from the model's disk file written from it.
    static TCompareRules DiskFile(const TVna& format);
    // A kit sent to an analyzer of the model against the kit read back from it.
    static TCompareRules ReadBack(const TVna& vna);

    // Two kits that came by different ways: what both ways keep, and the tolerances of both
    // added, as each kit may lie at either end of its own tolerance.
    TCompareRules CombinedWith(const TCompareRules& other) const;
    // Numbers also agree within relative, at the least (0 changes nothing).
    TCompareRules WithRelativeTolerance(double relative) const;

    bool operator==(const TCompareRules&) const = default;
};
