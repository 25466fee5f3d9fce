#include "ui/main/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

QStringList NameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // The desktop dialog takes the patterns from the parentheses of the description.
        static const QRegularExpression shown(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
        const QRegularExpressionMatch match = shown.match(description);
        if (match.hasMatch())
            description.truncate(match.capturedStart());
        filters.append(description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters;
}

std::optional<QString> TDesktopFileDialogs::Execute(const TFileDialogRequest& request)
{
    QFileDialog dialog(FParent, request.Title);
    dialog.setObjectName(request.Kind == TFileDialogRequest::TKind::fdOpen ? QStringLiteral("OpenDialog")
                                                                            : QStringLiteral("SaveDialog"));
    dialog.setProperty("helpContext", request.HelpContext);
    const QStringList filters = NameFilters(request.Filter);
    dialog.setNameFilters(filters);
    if (request.FilterIndex >= 1 && request.FilterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.FilterIndex - 1]);
    dialog.setDirectory(request.InitialDir.isEmpty() ? QDir::currentPath() : request.InitialDir);
    if (!request.DefaultExt.isEmpty())
        dialog.setDefaultSuffix(request.DefaultExt);
    if (request.Kind == TFileDialogRequest::TKind::fdOpen) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (!request.FileName.isEmpty())
        dialog.selectFile(request.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
