// The two ways of choosing the analyzer model: the "&VNA" menu, one item per catalogue entry
// with an accelerator prefix, and the model combo box of the toolbar. Item i of either stands
// for catalogue entry i.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QComboBox;
class QMenu;
class QWidget;

// The menu caption of catalogue entry index: "&1: " to "&9: ", then "&A: " to "&Z: ", and no
// prefix from the 37th entry on.
QString VnaMenuCaption(int index, const QString& modelName);

class TVnaSelector : public QObject {
    Q_OBJECT
public:
    static constexpr int ComboWidth = 140;
    static constexpr int ComboVisibleRows = 20;
    static constexpr int ComboHelpContext = 3205;

    // Fills menu (whose help context is that of the "&VNA" menu) and a new combo box from the
    // catalogue.
    TVnaSelector(QMenu& menu, int menuHelpContext, QWidget* comboParent);

    QComboBox& Combo() const { return *cboVNA; }
    const QList<QAction*>& MenuItems() const { return FItems; }

    // Shows entry index as the selected one: the check mark in the menu and the combo box's
    // selection, without reporting a choice.
    void ShowSelected(int index);

signals:
    // The user chose entry index (only its low 7 bits count).
    void Selected(int index);

private:
    QComboBox* cboVNA;
    QList<QAction*> FItems;
};
