// Every help context number and keyword the program's windows lead to, and the keywords of
// the help topics the program opens by name.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class TVna;

namespace HelpKeyword {
inline const QString Contents = QStringLiteral("Contents");
inline const QString Tutorial = QStringLiteral("Tutorial1");
inline const QString HowToUseHelp = QStringLiteral("HowToUseHelp");
inline const QString GpibProblems = QStringLiteral("GpibProblems");
inline const QString CalKitCorrupt = QStringLiteral("ErrorCalKitCorrupt");
inline const QString ReadOnly = QStringLiteral("ErrorReadOnly");
inline const QString ReasonUnknown = QStringLiteral("ErrorReasonUnknown");
}  // namespace HelpKeyword

// The editor's grids whose cells have help of their own, known by their object names
// "tsgStandards" and "tsgStdClasses", and their help contexts, to which the cell's offset is
// added.
enum class THelpGrid { hgStandards, hgClasses };
inline constexpr int StandardsGridHelpContext = 4000;
inline constexpr int ClassGridHelpContext = 4100;

std::optional<THelpGrid> HelpGridNamed(const QString& objectName);

// The offset of the cell at column and row (row 0 is the heading) for a kit of model vna.
// Standards grid: 10 in column 0 or 1 of a standard's row; in the heading row by column 2: 15,
// 3: 20, 4 to 6: 25, 7: 30, 8: 35, 9: 40, 10: 45, 11 and 12: 50, 13: 55, 14: 60; else 5.
// Class grid: in column 0 or 1 of a class row the class's own help context; in column 9 of
// the heading or a class row 80; else 5.
int GridHelpOffset(THelpGrid grid, int column, int row, const TVna& vna);

// The help context of a model's item in the "&VNA" menu: the menu's 3200 plus its offset.
int ModelMenuHelpContext(const TVna& vna);

// Every context number in use, ascending, without repeats: the menus and commands, the
// model menu items and the model box, the print and page setup dialogs, every cell of the
// two grids for every model, the class and properties pages, and the GPIB settings dialog.
std::vector<int> UsedHelpContexts();
// Every keyword in use.
QStringList UsedHelpKeywords();
