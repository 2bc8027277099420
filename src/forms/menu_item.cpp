#include "forms/menu_item.h"

#include "forms/form.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace forms {

namespace {
const QString separatorCaption = QStringLiteral("-");
}

MenuItem::MenuItem(Form &form, const QString &name, const QString &caption)
{
    setObjectName(name);
    m_menu = form.menuBar()->addMenu(caption);
    m_menu->setObjectName(name);
    m_action = m_menu->menuAction();
    setParent(m_menu);
    // A menu's own Click comes as it drops down.
    connect(m_menu, &QMenu::aboutToShow, this, &MenuItem::Click);
}

MenuItem::MenuItem(MenuItem &menu, const QString &name, const QString &caption) : m_parentItem(&menu)
{
    setObjectName(name);
    QMenu *parentMenu = menu.ensureMenu();
    m_action = parentMenu->addAction(QString());
    m_action->setObjectName(name);
    setCaption(caption);
    setParent(m_action);
    connect(m_action, &QAction::triggered, this, &MenuItem::chosen);
}

QMenu *MenuItem::ensureMenu()
{
    if (!m_menu) {
        // An item that receives items of its own becomes a submenu.
        m_menu = new QMenu(m_action->text(), m_parentItem->m_menu);
        m_menu->setObjectName(objectName());
        m_action->setMenu(m_menu.data());
        connect(m_menu, &QMenu::aboutToShow, this, &MenuItem::Click);
    }
    return m_menu;
}

QString MenuItem::Caption() const
{
    if (!m_action)
        return QString();
    return m_action->isSeparator() ? separatorCaption : m_action->text();
}

// An item captioned "-" is a separator line. Its action keeps no text, which some styles would
// otherwise draw beside the line.
void MenuItem::setCaption(const QString &caption)
{
    if (!m_action)
        return;
    const bool separator = !m_menu && caption == separatorCaption;
    m_action->setSeparator(separator);
    m_action->setText(separator ? QString() : caption);
}

bool MenuItem::Visible() const
{
    return m_action && m_action->isVisible();
}

void MenuItem::setVisible(bool visible)
{
    if (m_action)
        m_action->setVisible(visible);
}

bool MenuItem::Enabled() const
{
    return m_action && m_action->isEnabled();
}

void MenuItem::setEnabled(bool enabled)
{
    if (m_action)
        m_action->setEnabled(enabled);
}

void MenuItem::setChecked(bool checked)
{
    m_checked = checked;
    if (!m_action)
        return;
    m_action->setCheckable(checked || m_action->isCheckable());
    m_action->setChecked(checked);
}

bool MenuItem::isSeparator() const
{
    return m_action && m_action->isSeparator();
}

bool MenuItem::reachable() const
{
    for (const MenuItem *item = this; item; item = item->m_parentItem) {
        if (!item->Visible() || !item->Enabled() || item->isSeparator())
            return false;
    }
    return true;
}

void MenuItem::trigger()
{
    if (!reachable())
        return;
    if (m_menu)
        emit Click();
    else
        m_action->trigger();
}

void MenuItem::chosen()
{
    // The program decides about the check mark, not the click.
    if (m_action->isCheckable() && m_action->isChecked() != m_checked)
        m_action->setChecked(m_checked);
    emit Click();
}

} // namespace forms
