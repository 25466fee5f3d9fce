// "Compare with..." of the "&File" menu: compares the active kit with a kit file of any
// readable format (kit file, 8753-family or 8510 disk file) or with the kit the analyzer
// holds, read over the current card, and shows the differences in a window of their own.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "compare/KitComparison.h"
#include "ui/compare/CompareSourceDialog.h"

class TCalKit;
class TMainForm;

class TCompareCommands : public QObject {
    Q_OBJECT
public:
    // Connects the command's action of form.
    explicit TCompareCommands(TMainForm& form);

    void FileCompareExecute();
    // Enabled while a kit window is active.
    void UpdateActions();

    // The analyzer's kit can be chosen: the selected model reads kits and a card is usable.
    bool AnalyzerAvailable() const;

    // The comparison window's titles.
    static QString FileTitle(const QString& fileName);
    static QString AnalyzerTitle();

private:
    std::optional<TCompareSource> AskSource();
    void CompareWithFile(const TCalKit& kit);
    void CompareWithAnalyzer(const TCalKit& kit);
    void Show(const QString& title, const QString& other, const TCompareRules& rules,
              std::vector<TKitDifference> differences);

    TMainForm& FForm;
    QString FDirectory;
};
