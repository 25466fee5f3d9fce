// Asks what the active kit is compared with: a kit file, or the kit the analyzer holds (read
// over the current card). The analyzer's kit can be chosen only when the model can read one
// and a card is usable.
#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;

enum class TCompareSource { csKitFile, csAnalyzer };

class TCompareSourceDialog : public QDialog {
    Q_OBJECT
public:
    TCompareSourceDialog(bool analyzerAvailable, QWidget* parent = nullptr);

    // The choice, once a source button closed the dialog; none after Cancel.
    std::optional<TCompareSource> Choice() const { return FChoice; }

private:
    void Choose(TCompareSource source);

    QLabel* lblQuestion;
    QPushButton* btnKitFile;
    QPushButton* btnAnalyzer;
    QPushButton* btnCancel;
    std::optional<TCompareSource> FChoice;
};
