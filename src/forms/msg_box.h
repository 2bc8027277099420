#pragma once

#include <QString>
#include <functional>

namespace forms {

// Shows a message with an exclamation icon and one OK button, and returns when it is closed.
void MsgBox(const QString &text, const QString &title);

// Tests and the end-to-end harness may take over the box; returns the previous handler.
using MessageBoxHandler = std::function<void(const QString &text, const QString &title)>;
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

} // namespace forms
