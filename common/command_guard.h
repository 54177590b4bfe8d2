#pragma once

#include <QString>
#include <functional>
#include <utility>

class QWidget;

// Caption of the default error box: the application's title, set once at start-up.
void setApplicationTitle(const QString& title);
QString applicationTitle();

// Runs one command. Any failure ends the command and is shown in the default error box; nothing
// escapes into the event loop. Returns false when the command failed.
bool runCommand(QWidget* owner, const std::function<void()>& command);

// Wraps a handler for connect(): the signal's arguments are dropped.
template <class F> auto guarded(QWidget* owner, F handler)
{
    return [owner, handler = std::move(handler)](auto&&...) { runCommand(owner, handler); };
}
