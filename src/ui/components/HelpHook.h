// The program's one way into its help: every help request of the windows goes through these
// calls, and the help system installs the handler that shows the topics. Without a handler
// the requests are dropped.
#pragma once

#include <QString>
#include <functional>

using THelpHandler = std::function<void(const QString& keyword, int context)>;

// Replaces the handler; an empty function removes it.
void InstallHelpHandler(THelpHandler handler);

// Shows the topic named by keyword (the context is then 0).
void ShowHelpKeyword(const QString& keyword);
// Shows the topic of a help context number (the keyword is then empty).
void ShowHelpContext(int context);
