#include "ui/compare/CompareSourceDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/compare/CompareHelp.h"
#include "ui/dialogs/ControlNaming.h"

TCompareSourceDialog::TCompareSourceDialog(bool analyzerAvailable, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Compare with"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    NameControl(this, QStringLiteral("CompareSourceForm"), tr("Compare with"),
                tr("Chooses what the active kit is compared with"), CompareHelp::SourceChoice);
    lblQuestion = new QLabel(tr("Compare the active kit with a kit file, or with the kit the VNA holds?"), this);
    lblQuestion->setWordWrap(true);
    NameControl(lblQuestion, QStringLiteral("lblQuestion"), lblQuestion->text(), QString(), CompareHelp::SourceChoice);
    btnKitFile = new QPushButton(tr("&Kit File..."), this);
    NameControl(btnKitFile, QStringLiteral("btnKitFile"), tr("Kit File"),
                tr("Compare with a kit file or a VNA disk file"), CompareHelp::SourceChoice);
    btnAnalyzer = new QPushButton(tr("&VNA's Kit"), this);
    NameControl(btnAnalyzer, QStringLiteral("btnAnalyzer"), tr("VNA's Kit"),
                tr("Read the VNA's kit over GPIB and compare with it"), CompareHelp::SourceChoice);
    btnAnalyzer->setEnabled(analyzerAvailable);
    btnCancel = new QPushButton(tr("Cancel"), this);
    NameControl(btnCancel, QStringLiteral("btnCancel"), tr("Cancel"), tr("Compare with nothing"),
                CompareHelp::SourceChoice);
    btnKitFile->setDefault(true);
    connect(btnKitFile, &QPushButton::clicked, this, [this] { Choose(TCompareSource::csKitFile); });
    connect(btnAnalyzer, &QPushButton::clicked, this, [this] { Choose(TCompareSource::csAnalyzer); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnKitFile);
    buttons->addWidget(btnAnalyzer);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblQuestion);
    layout->addLayout(buttons);
}

void TCompareSourceDialog::Choose(TCompareSource source)
{
    FChoice = source;
    accept();
}
