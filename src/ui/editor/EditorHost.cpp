#include "ui/editor/EditorHost.h"

#include "ui/components/ErrorDisplay.h"
#include "ui/main/FileDialogs.h"

std::optional<QString> TEditorHost::AskFileName(const TFileDialogRequest& request)
{
    return TDesktopFileDialogs(nullptr).Execute(request);
}

void TEditorHost::ReportFileTrouble(const std::exception& error)
{
    ShowException(nullptr, error);
}
