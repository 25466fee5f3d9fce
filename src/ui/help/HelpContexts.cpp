#include "ui/help/HelpContexts.h"

#include "analyzers/Vna.h"

#include <algorithm>

namespace {

// The menus and commands of the main window, the model box, the dialogs, the pages' controls
// and the GPIB settings dialog.
constexpr int FixedContexts[] = {
    3000, 3010, 3012, 3014, 3016, 3018, 3020, 3022, 3024, 3032, 3034, 3036, 3038, 3040, 3042, 3044,  // File
    3100, 3110, 3112, 3114, 3116, 3118, 3120,                                                        // Edit
    3200, 3205,                                                                                      // VNA
    3300, 3310, 3312, 3314, 3316, 3318,                                                              // GPIB
    3400, 3410, 3412, 3414, 3416,                                                                    // Window
    3500, 3510, 3512, 3514, 3516, 3518, 3520,                                                        // Help
    2610, 2615,                                                // print and page setup dialogs
    4190, 4195,                                                // standards list, calibration type
    4210, 4215, 4220, 4225, 4230, 4235, 4240,                  // kit properties
    2230, 8010, 8015, 8020, 8100, 8105,                        // GPIB settings dialog
    5100, 5110, 5115,                                          // response view and its exports
    5200, 5205, 5210, 5215, 5220, 5225,                        // comparison and verified send
    5300, 5305, 5310, 5315,                                    // fit to measurement
};

constexpr int OtherCellOffset = 5;

// Heading offsets of the standards grid's columns 2 to 14.
constexpr int StandardsHeadingOffsets[] = {15, 20, 25, 25, 25, 30, 35, 40, 45, 50, 50, 55, 60};
constexpr int StandardRowOffset = 10;
constexpr int ClassLabelColumn = 9;
constexpr int ClassLabelOffset = 80;

// The grids' columns and rows, with a margin of cells outside them on every side.
constexpr int GridColumnsProbed = 16;

}  // namespace

std::optional<THelpGrid> HelpGridNamed(const QString& objectName)
{
    if (objectName == QLatin1String("tsgStandards"))
        return THelpGrid::hgStandards;
    if (objectName == QLatin1String("tsgStdClasses"))
        return THelpGrid::hgClasses;
    return std::nullopt;
}

int GridHelpOffset(THelpGrid grid, int column, int row, const TVna& vna)
{
    if (grid == THelpGrid::hgStandards) {
        if (row >= 1 && row <= vna.NumStandards && (column == 0 || column == 1))
            return StandardRowOffset;
        if (row == 0 && column >= 2 && column <= 14)
            return StandardsHeadingOffsets[column - 2];
        return OtherCellOffset;
    }
    if (row >= 1 && row <= vna.NumClasses && (column == 0 || column == 1))
        return vna.GetClassInfo(row).HelpContext;
    if (column == ClassLabelColumn && row >= 0 && row <= vna.NumClasses)
        return ClassLabelOffset;
    return OtherCellOffset;
}

int ModelMenuHelpContext(const TVna& vna)
{
    return 3200 + vna.HelpOffset;
}

std::vector<int> UsedHelpContexts()
{
    std::vector<int> contexts(std::begin(FixedContexts), std::end(FixedContexts));
    for (const auto& vna : Vnas()) {
        contexts.push_back(ModelMenuHelpContext(*vna));
        for (int column = -1; column < GridColumnsProbed; ++column) {
            for (int row = -1; row <= vna->NumStandards + 1; ++row)
                contexts.push_back(StandardsGridHelpContext +
                                   GridHelpOffset(THelpGrid::hgStandards, column, row, *vna));
            for (int row = -1; row <= vna->NumClasses + 1; ++row)
                contexts.push_back(ClassGridHelpContext + GridHelpOffset(THelpGrid::hgClasses, column, row, *vna));
        }
    }
    std::sort(contexts.begin(), contexts.end());
    contexts.erase(std::unique(contexts.begin(), contexts.end()), contexts.end());
    return contexts;
}

QStringList UsedHelpKeywords()
{
    return {HelpKeyword::Contents,     HelpKeyword::Tutorial,      HelpKeyword::HowToUseHelp,
            HelpKeyword::GpibProblems, HelpKeyword::CalKitCorrupt, HelpKeyword::ReadOnly,
            HelpKeyword::ReasonUnknown};
}
