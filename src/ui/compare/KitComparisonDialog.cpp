#include "ui/compare/KitComparisonDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/compare/CompareHelp.h"
#include "ui/compare/KitDifferenceModel.h"
#include "ui/dialogs/ControlNaming.h"

TKitComparisonDialog::TKitComparisonDialog(const QString& title, const QString& other, const QString& note,
                                           std::vector<TKitDifference> differences, QWidget* parent)
    : QDialog(parent), FModel(new TKitDifferenceModel(std::move(differences), this))
{
    setWindowTitle(title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    NameControl(this, QStringLiteral("KitComparisonForm"), title,
                tr("The differences between the active kit and another kit"), CompareHelp::Dialog);

    lblSummary = new QLabel(SummaryText(other, FModel->rowCount()), this);
    lblSummary->setWordWrap(true);
    NameControl(lblSummary, QStringLiteral("lblSummary"), lblSummary->text(),
                tr("What the kit was compared with, and how many differences there are"), CompareHelp::Dialog);
    lblNote = new QLabel(note, this);
    lblNote->setWordWrap(true);
    lblNote->setVisible(!note.isEmpty());
    NameControl(lblNote, QStringLiteral("lblNote"), note, tr("What the comparison left out"), CompareHelp::Dialog);

    tblDifferences = new QTableView(this);
    tblDifferences->setModel(FModel);
    tblDifferences->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblDifferences->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblDifferences->setAlternatingRowColors(true);
    tblDifferences->horizontalHeader()->setStretchLastSection(true);
    tblDifferences->resizeColumnsToContents();
    tblDifferences->installEventFilter(this);
    NameControl(tblDifferences, QStringLiteral("tblDifferences"), tr("Differences"),
                tr("One row per difference: where, field, the value in this kit and in the other"),
                CompareHelp::Table);

    btnCopy = new QPushButton(tr("&Copy"), this);
    NameControl(btnCopy, QStringLiteral("btnCopy"), tr("Copy"),
                tr("Copy the selected differences, or all of them, to the clipboard as text"), CompareHelp::Copy);
    btnCopy->setEnabled(FModel->rowCount() > 0);
    btnClose = new QPushButton(tr("Close"), this);
    NameControl(btnClose, QStringLiteral("btnClose"), tr("Close"), tr("Close this window"), CompareHelp::Dialog);
    btnClose->setDefault(true);
    connect(btnCopy, &QPushButton::clicked, this, &TKitComparisonDialog::CopyAsText);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnCopy);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSummary);
    layout->addWidget(lblNote);
    layout->addWidget(tblDifferences);
    layout->addLayout(buttons);
    resize(640, 400);
}

QString TKitComparisonDialog::SummaryText(const QString& other, int differences)
{
    if (differences == 0)
        return tr("No differences between this kit and %1.").arg(other);
    if (differences == 1)
        return tr("1 difference between this kit and %1:").arg(other);
    return tr("%1 differences between this kit and %2:").arg(differences).arg(other);
}

QString TKitComparisonDialog::LeftOutNote(const TCompareRules& rules)
{
    QStringList names;
    for (const std::string& name : LeftOutValues(rules))
        names.append(QString::fromLatin1(name.c_str()));
    if (names.isEmpty())
        return QString();
    return tr("Not compared (the other kit cannot carry them): %1.").arg(names.join(QStringLiteral(", ")));
}

QString TKitComparisonDialog::Summary() const
{
    return lblSummary->text();
}

void TKitComparisonDialog::CopyAsText()
{
    QList<int> rows;
    for (const QModelIndex& index : tblDifferences->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    QApplication::clipboard()->setText(FModel->AsText(rows));
}

bool TKitComparisonDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tblDifferences && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        CopyAsText();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
