#include "ui/main/MainStatusBar.h"

#include <QLabel>

#include "ui/components/SpokenText.h"

namespace {

constexpr int InitialWidths[TMainStatusBar::PanelCount] = {350, 125, 25};

}  // namespace

TMainStatusBar::TMainStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar"));
    setAccessibleName(tr("Status bar"));
    setAccessibleDescription(tr("Hints, the status of the active cal kit and the selected VNA model"));
    setSizeGripEnabled(false);
    // A panel's accessible name is its text (see SetPanelText); what it is for is its description.
    const QString purposes[PanelCount] = {tr("Status"), tr("Selected VNA"), tr("Spare panel")};
    for (int panel = 0; panel < PanelCount; ++panel) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(panel));
        label->setAccessibleDescription(purposes[panel]);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        FPanels[static_cast<std::size_t>(panel)] = label;
        if (panel == 0) {
            // The first panel stretches over whatever the others leave, at least 1 pixel.
            label->setMinimumWidth(1);
            label->resize(InitialWidths[panel], label->height());
            addWidget(label, 1);
        } else {
            label->setFixedWidth(InitialWidths[panel]);
            addPermanentWidget(label);
        }
    }
    SetPanelText(1, QStringLiteral("HP 8753E"));
}

void TMainStatusBar::SetPanelText(int panel, const QString& text)
{
    if (panel >= 0 && panel < PanelCount)
        SetSpokenText(*FPanels[static_cast<std::size_t>(panel)], text);
}

QString TMainStatusBar::PanelText(int panel) const
{
    return panel >= 0 && panel < PanelCount ? FPanels[static_cast<std::size_t>(panel)]->text() : QString();
}

int TMainStatusBar::PanelWidth(int panel) const
{
    return panel >= 0 && panel < PanelCount ? FPanels[static_cast<std::size_t>(panel)]->width() : 0;
}
