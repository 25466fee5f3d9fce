#include "ui/components/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(const QString& name, const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), FGroup(new QButtonGroup(this))
{
    setObjectName(name);
    FGroup->setExclusive(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    for (int index = 0; index < items.size(); ++index) {
        auto* button = new QRadioButton(items[index], this);
        button->setObjectName(name + QStringLiteral("Item%1").arg(index));
        FGroup->addButton(button, index);
        layout->addWidget(button);
        FButtons.append(button);
    }
    connect(FGroup, &QButtonGroup::idClicked, this, &TRadioGroup::ItemClicked);
}

QString TRadioGroup::ItemText(int index) const
{
    return index >= 0 && index < Count() ? FButtons[index]->text() : QString();
}

int TRadioGroup::IndexOf(const QString& text) const
{
    for (int index = 0; index < Count(); ++index)
        if (FButtons[index]->text() == text)
            return index;
    return -1;
}

void TRadioGroup::SetItemIndex(int index)
{
    if (index < 0 || index >= Count()) {
        // An exclusive group keeps one item checked: lift the rule to clear them all.
        FGroup->setExclusive(false);
        for (QRadioButton* button : FButtons)
            button->setChecked(false);
        FGroup->setExclusive(true);
        FItemIndex = -1;
        return;
    }
    FButtons[index]->setChecked(true);
    FItemIndex = index;
}

QRadioButton* TRadioGroup::Button(int index) const
{
    return index >= 0 && index < Count() ? FButtons[index] : nullptr;
}

bool TRadioGroup::IsItem(const QObject* widget) const
{
    for (const QRadioButton* button : FButtons)
        if (button == widget)
            return true;
    return false;
}

void TRadioGroup::FocusItem()
{
    if (QRadioButton* button = Button(FItemIndex >= 0 ? FItemIndex : 0))
        button->setFocus(Qt::OtherFocusReason);
}

void TRadioGroup::ItemClicked(int index)
{
    if (index == FItemIndex)
        return;
    const int previous = FItemIndex;
    FItemIndex = index;
    emit Clicked(previous);
}
