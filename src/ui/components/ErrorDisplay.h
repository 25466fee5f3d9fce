// The application's general error display: a failure that no command reports itself is shown
// with its message instead of ending the program.
#pragma once

#include <exception>
#include <utility>

class QWidget;

void ShowException(QWidget* parent, const std::exception& error);

// Runs command; an exception it raises is shown and goes no further.
template <typename F>
void RunGuarded(QWidget* parent, F&& command)
{
    try {
        std::forward<F>(command)();
    } catch (const std::exception& error) {
        ShowException(parent, error);
    }
}
