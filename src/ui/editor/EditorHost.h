// What a kit editor window needs from the main window that hosts it.
#pragma once

#include <exception>
#include <optional>

#include <QString>

class TCalKitEditForm;
struct TFileDialogRequest;
class TVna;

class TEditorHost {
public:
    virtual ~TEditorHost() = default;

    // The selected analyzer model, which a new editor's kit starts on.
    virtual TVna& CurrentVna() const = 0;
    // Makes vna the selected model (menu check mark, model box, status bar).
    virtual void SetCurrentVna(TVna& vna) = 0;
    // Runs the Save command for editor, made the active window first. A kit never saved asks
    // for a file name; the editor's undo history tells whether it was saved.
    virtual void SaveEditor(TCalKitEditForm& editor) = 0;
    // Something the main window shows of the editor changed (title, undo state, status text).
    virtual void EditorStateChanged(TCalKitEditForm& editor) = 0;

    // The file name chosen in the program's file dialog for the editor's own commands
    // (exports of the response view); none when the dialog was cancelled. By default the
    // desktop's dialog.
    virtual std::optional<QString> AskFileName(const TFileDialogRequest& request);
    // A failed file operation of the editor's own commands, reported with the program's
    // message dialog; by default with the general error display.
    virtual void ReportFileTrouble(const std::exception& error);
};
