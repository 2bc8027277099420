#include "forms/label.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace forms {

Label::Label(Parent parent, const QString &name, const QString &caption) : Control(parent, new QLabel, name)
{
    label()->setTextFormat(Qt::PlainText);
    label()->setWordWrap(true);
    label()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCaption(caption);
    applyFont();
    applyColors();
}

QLabel *Label::label() const
{
    return static_cast<QLabel *>(widget());
}

// Qt names only some widgets by their buddy label; lists and the text field of an editable
// combo box get the label's text as their name here.
void Label::setBuddy(Control &control)
{
    QWidget *field = control.widget();
    label()->setBuddy(field);
    const QString name = QString(Caption()).remove(QLatin1Char('&'));
    field->setAccessibleName(name);
    if (auto *combo = qobject_cast<QComboBox *>(field); combo && combo->lineEdit())
        combo->lineEdit()->setAccessibleName(name);
}

void Label::setCaption(const QString &caption)
{
    m_caption = caption;
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    label()->setText(shown);
}

void Label::setAlignment(int alignment)
{
    m_alignment = alignment;
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment == RightJustify)
        horizontal = Qt::AlignRight;
    else if (alignment == Center)
        horizontal = Qt::AlignHCenter;
    label()->setAlignment(horizontal | Qt::AlignTop);
}

void Label::setWordWrap(bool wrap)
{
    label()->setWordWrap(wrap);
}

void Label::setTransparent(bool transparent)
{
    m_transparent = transparent;
    applyColors();
}

void Label::setLinkCursor(bool link)
{
    if (link)
        widget()->setCursor(Qt::PointingHandCursor);
    else
        widget()->unsetCursor();
}

void Label::applyColors()
{
    Control::applyColors();
    if (m_transparent && widget())
        widget()->setAutoFillBackground(false);
}

} // namespace forms
