#include "forms/msg_box.h"

#include <QMessageBox>
#include <cstdio>

namespace forms {
namespace {

MessageBoxHandler &currentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

} // namespace

void MsgBox(const QString &text, const QString &title)
{
    if (const MessageBoxHandler &handler = currentHandler()) {
        handler(text, title);
        return;
    }
    // Also on standard error, so a message shown on a machine nobody watches leaves a trace.
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    std::fflush(stderr);
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler)
{
    MessageBoxHandler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

} // namespace forms
