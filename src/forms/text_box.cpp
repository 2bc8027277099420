#include "forms/text_box.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace forms {
namespace {

QWidget *makeEditor(bool multiLine)
{
    if (!multiLine)
        return new QLineEdit;
    auto *edit = new QPlainTextEdit;
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit->setTabChangesFocus(true);
    return edit;
}

} // namespace

TextBox::TextBox(Parent parent, const QString &name, bool multiLine)
    : Control(parent, makeEditor(multiLine), name), m_multiLine(multiLine)
{
    m_foreColor = SystemColor::WindowText;
    m_backColor = SystemColor::Window;
    if (auto *edit = qobject_cast<QPlainTextEdit *>(widget())) {
        watchMouseOf(edit->viewport());
        connect(edit, &QPlainTextEdit::textChanged, this, &TextBox::Change);
    } else if (auto *line = qobject_cast<QLineEdit *>(widget())) {
        connect(line, &QLineEdit::textChanged, this, &TextBox::Change);
    }
    applyFont();
    applyColors();
}

QString TextBox::Text() const
{
    if (auto *edit = qobject_cast<QPlainTextEdit *>(widget()))
        return edit->toPlainText();
    return static_cast<QLineEdit *>(widget())->text();
}

void TextBox::setText(const QString &text)
{
    if (auto *edit = qobject_cast<QPlainTextEdit *>(widget()))
        edit->setPlainText(text);
    else
        static_cast<QLineEdit *>(widget())->setText(text);
}

bool TextBox::Locked() const
{
    if (auto *edit = qobject_cast<QPlainTextEdit *>(widget()))
        return edit->isReadOnly();
    return static_cast<QLineEdit *>(widget())->isReadOnly();
}

void TextBox::setLocked(bool locked)
{
    if (auto *edit = qobject_cast<QPlainTextEdit *>(widget())) {
        edit->setReadOnly(locked);
        // A locked box still reacts to the pointer as a whole, not as a text cursor.
        edit->viewport()->setCursor(locked ? Qt::ArrowCursor : Qt::IBeamCursor);
    } else {
        static_cast<QLineEdit *>(widget())->setReadOnly(locked);
    }
}

bool TextBox::handleMouseDoubleClick()
{
    Control::handleMouseDoubleClick();
    return Locked();
}

void TextBox::setBorder(bool border)
{
    if (auto *edit = qobject_cast<QPlainTextEdit *>(widget()))
        edit->setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame);
    else
        static_cast<QLineEdit *>(widget())->setFrame(border);
}

} // namespace forms
