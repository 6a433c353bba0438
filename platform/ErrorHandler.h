#pragma once
// The application's default error handler: every error raised inside an event
// handler ends up here, is shown in a message box titled with the application
// title, and the program carries on with the next event.
#include <QString>
#include <functional>

namespace platform {

// Shows `text` the way the default handler does (message box "ユキポム",
// error icon, OK button). Tests may replace the presenter to record texts.
void ShowError(const QString& text);

using ErrorPresenter = std::function<void(const QString&)>;
// Installs a different presenter and returns the previous one; an empty
// function restores the message box.
ErrorPresenter SetErrorPresenter(ErrorPresenter presenter);

// Runs `handler`; a platform error (or any other exception) it raises is
// handed to the default handler instead of escaping into the event loop.
void Guarded(const std::function<void()>& handler);

}  // namespace platform
