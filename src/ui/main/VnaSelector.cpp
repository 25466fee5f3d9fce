#include "ui/main/VnaSelector.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>

#include "analyzers/Vna.h"
#include "ui/components/CoreText.h"

QString VnaMenuCaption(int index, const QString& modelName)
{
    const int number = index + 1;
    if (number >= 1 && number <= 9)
        return QStringLiteral("&%1: ").arg(number) + modelName;
    if (number >= 10 && number <= 35)
        return QStringLiteral("&%1: ").arg(QChar(u'A' + (number - 10))) + modelName;
    return modelName;
}

TVnaSelector::TVnaSelector(QMenu& menu, int menuHelpContext, QWidget* comboParent)
    : QObject(&menu), cboVNA(new QComboBox(comboParent))
{
    cboVNA->setObjectName(QStringLiteral("cboVNA"));
    cboVNA->setEditable(false);
    cboVNA->setFixedWidth(ComboWidth);
    cboVNA->setMaxVisibleItems(ComboVisibleRows);
    cboVNA->setToolTip(tr("Select VNA"));
    cboVNA->setStatusTip(tr("Select model of VNA"));
    cboVNA->setProperty("hint", QStringLiteral("Select VNA|Select model of VNA"));
    cboVNA->setProperty("helpContext", ComboHelpContext);
    cboVNA->setAccessibleName(tr("Select VNA"));
    cboVNA->setAccessibleDescription(tr("Select model of VNA"));

    const auto& catalogue = Vnas();
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const TVna& vna = *catalogue[i];
        const int index = static_cast<int>(i);
        const QString name = FromCore(vna.ModelName);
        QAction* item = menu.addAction(VnaMenuCaption(index, name));
        item->setObjectName(QStringLiteral("mnuVna%1").arg(index));
        item->setCheckable(true);
        item->setStatusTip(FromCore(vna.ModelHint));
        item->setToolTip(name);
        item->setProperty("helpContext", menuHelpContext + vna.HelpOffset);
        connect(item, &QAction::triggered, this, [this, item] {
            emit Selected(static_cast<int>(FItems.indexOf(item)) & 0x7F);
        });
        FItems.append(item);
        cboVNA->addItem(name);
    }
    connect(cboVNA, &QComboBox::activated, this, [this](int index) { emit Selected(index & 0x7F); });
}

void TVnaSelector::ShowSelected(int index)
{
    for (int i = 0; i < FItems.size(); ++i)
        FItems[i]->setChecked(i == index);
    cboVNA->setCurrentIndex(index);
}
