// A framed group of radio items of which one is chosen, with the chosen item kept as an
// index. Only the user's choice of another item is reported; setting the index from the
// program is silent.
#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    // name is the group's object name; its items are named name + "Item" + their index.
    TRadioGroup(const QString& name, const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    int Count() const { return static_cast<int>(FButtons.size()); }
    QString ItemText(int index) const;
    // The item with that text; -1 when there is none.
    int IndexOf(const QString& text) const;

    // The chosen item; -1 when none is chosen.
    int ItemIndex() const { return FItemIndex; }
    // Chooses an item without reporting it; an index outside the items chooses none.
    void SetItemIndex(int index);

    QRadioButton* Button(int index) const;
    const QList<QRadioButton*>& Buttons() const { return FButtons; }
    // True when widget is one of the group's items (compares addresses only).
    bool IsItem(const QObject* widget) const;
    // Gives the focus to the chosen item, else to the first one.
    void FocusItem();

signals:
    // The user chose another item; previousIndex is the item chosen before.
    void Clicked(int previousIndex);

private:
    void ItemClicked(int index);

    QButtonGroup* FGroup;
    QList<QRadioButton*> FButtons;
    int FItemIndex = -1;
};
