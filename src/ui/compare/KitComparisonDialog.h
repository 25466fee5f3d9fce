// The dialog that shows the differences between the active kit and another (a kit file or
// the analyzer's kit): a line that names both and counts the differences, a note on what was
// left out, and the table of differences. Copy (or Ctrl+C in the table) puts the selected
// rows, or all rows when none is selected, on the clipboard as tab-delimited text.
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "compare/KitComparison.h"

class QLabel;
class QPushButton;
class QTableView;
class TKitDifferenceModel;

class TKitComparisonDialog : public QDialog {
    Q_OBJECT
public:
    // title: the window title; other: what the active kit was compared with; note: what the
    // comparison left out (empty for none).
    TKitComparisonDialog(const QString& title, const QString& other, const QString& note,
                         std::vector<TKitDifference> differences, QWidget* parent = nullptr);

    QTableView& Table() const { return *tblDifferences; }
    TKitDifferenceModel& Model() const { return *FModel; }
    QString Summary() const;

    // The selected rows, or all when none is selected, to the clipboard.
    void CopyAsText();

    static QString SummaryText(const QString& other, int differences);
    // The note on the values the rules leave out; empty when they compare everything.
    static QString LeftOutNote(const TCompareRules& rules);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TKitDifferenceModel* FModel;
    QLabel* lblSummary;
    QLabel* lblNote;
    QTableView* tblDifferences;
    QPushButton* btnCopy;
    QPushButton* btnClose;
};
