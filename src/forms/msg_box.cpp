#include "forms/msg_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QWindow>
#include <cstdio>

namespace forms {
namespace {

MessageBoxHandler &currentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

// The splash stays on top of every other window. A message that comes while it is up must be
// seen above it and take the keyboard, or the user sees a splash that never goes away.
QWidget *visibleStayOnTopWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return window;
    return nullptr;
}

void keepAbove(QMessageBox &box, QWidget *window)
{
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.winId();
    if (QWindow *handle = box.windowHandle())
        handle->setTransientParent(window->windowHandle());
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
    if (QWidget *window = visibleStayOnTopWindow())
        keepAbove(box, window);
    box.exec();
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler)
{
    MessageBoxHandler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

} // namespace forms
