#include "forms/msg_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace forms {
namespace {

MessageBoxHandler &currentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

// The window a message belongs to: it is shown centred on it and kept above it. The splash stays
// on top of every other window, so a message that comes while it is up belongs to it and stays on
// top as well, or the user sees a splash that never goes away. Otherwise the active window, or
// else a main window that is shown.
QWidget *ownerWindow()
{
    QWidget *mainWindow = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip)
            continue;
        if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return window;
        if (window->windowType() == Qt::Window && !window->parentWidget())
            mainWindow = window;
    }
    return QApplication::activeWindow() ? QApplication::activeWindow() : mainWindow;
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
    QWidget *owner = ownerWindow();
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("MsgBox", "OK"));
    if (owner && owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler)
{
    MessageBoxHandler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

} // namespace forms
