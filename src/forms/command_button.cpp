#include "forms/command_button.h"

#include <QPushButton>
#include <QShortcut>
#include <stdexcept>

namespace forms {

CommandButton::CommandButton(Parent parent, const QString &name, const QString &caption)
    : Control(parent, new QPushButton, name)
{
    setCaption(caption);
    connect(static_cast<QPushButton *>(widget()), &QPushButton::clicked, this, &Control::Click);
    applyFont();
}

QString CommandButton::Caption() const
{
    return static_cast<QPushButton *>(widget())->text();
}

void CommandButton::setCaption(const QString &caption)
{
    static_cast<QPushButton *>(widget())->setText(caption);
}

void CommandButton::setDefault(bool isDefault)
{
    static_cast<QPushButton *>(widget())->setDefault(isDefault);
}

void CommandButton::setCancel(bool isCancel)
{
    if (isCancel && !m_cancelKey) {
        m_cancelKey = new QShortcut(QKeySequence(Qt::Key_Escape), widget(), nullptr, nullptr, Qt::WindowShortcut);
        connect(m_cancelKey, &QShortcut::activated, this, [this] {
            if (widget()->isEnabled())
                click();
        });
    }
    if (m_cancelKey)
        m_cancelKey->setEnabled(isCancel);
}

void CommandButton::click()
{
    static_cast<QPushButton *>(widget())->click();
}

// The button's own clicked() covers mouse and keyboard.
void CommandButton::handleMouseRelease() {}

CommandButtonArray::CommandButtonArray(Parent parent, const QString &name, int firstIndex, const QString &caption)
    : QObject(parent.area()), m_parent(parent)
{
    setObjectName(name);
    adopt(firstIndex, new CommandButton(parent, name, caption));
}

CommandButton &CommandButtonArray::operator()(int index) const
{
    CommandButton *button = m_elements.value(index);
    if (!button)
        throw std::out_of_range("control array element does not exist");
    return *button;
}

void CommandButtonArray::Load(int index)
{
    if (m_elements.contains(index))
        throw std::invalid_argument("control array element already loaded");
    const CommandButton &first = *m_elements.first();
    auto *copy = new CommandButton(m_parent, objectName(), first.Caption());
    copy->Move(first.Left(), first.Top(), first.Width(), first.Height());
    copy->setFontName(first.FontName());
    copy->setFontSize(first.FontSize());
    copy->setFontBold(first.FontBold());
    copy->setFontUnderline(first.FontUnderline());
    copy->setEnabled(first.Enabled());
    copy->setToolTipText(first.ToolTipText());
    copy->setForeColor(first.ForeColor());
    copy->setBackColor(first.BackColor());
    copy->setTag(first.Tag());
    copy->setVisible(false);
    adopt(index, copy);
}

void CommandButtonArray::adopt(int index, CommandButton *button)
{
    m_elements.insert(index, button);
    connect(button, &Control::Click, this, [this, index] { emit Click(index); });
}

} // namespace forms
