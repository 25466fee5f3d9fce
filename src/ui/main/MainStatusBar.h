// The main window's status bar: panel 0 for hints and the active kit's status text, panel 1
// for the selected model's name, panel 2 empty. Panel 0 takes whatever width the others leave.
#pragma once

#include <QStatusBar>
#include <array>

class QLabel;

class TMainStatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int PanelCount = 3;

    explicit TMainStatusBar(QWidget* parent = nullptr);

    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;
    int PanelWidth(int panel) const;

private:
    std::array<QLabel*, PanelCount> FPanels{};
};
