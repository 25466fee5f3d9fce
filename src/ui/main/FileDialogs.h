// The open and save dialogs of the file commands. A command describes the dialog it wants;
// the program shows the desktop's file dialog, tests answer in its place.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

struct TFileDialogRequest {
    enum class TKind { fdOpen, fdSave };

    TKind Kind = TKind::fdOpen;
    QString Title;
    // Pairs of description and pattern, joined by "|": "Cal kit files (*.tsy)|*.tsy|...".
    QString Filter;
    int FilterIndex = 1;  // 1 for the first pair
    QString DefaultExt;   // without the dot; empty: none
    QString InitialDir;
    QString FileName;
    int HelpContext = 0;
};

// The name filters of a "description|pattern|..." filter as the desktop's dialog takes them:
// each description with its own patterns in parentheses.
QStringList NameFilters(const QString& filter);

class TFileDialogs {
public:
    virtual ~TFileDialogs() = default;
    // The chosen file's full name, or none when the dialog was cancelled.
    virtual std::optional<QString> Execute(const TFileDialogRequest& request) = 0;
};

// The desktop's file dialogs.
class TDesktopFileDialogs final : public TFileDialogs {
public:
    explicit TDesktopFileDialogs(QWidget* parent) : FParent(parent) {}
    std::optional<QString> Execute(const TFileDialogRequest& request) override;

private:
    QWidget* FParent;
};
