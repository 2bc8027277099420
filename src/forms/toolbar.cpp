#include "forms/toolbar.h"

#include "forms/image_list.h"
#include "forms/property_error.h"
#include "forms/units.h"

#include <QAction>
#include <QEvent>
#include <QIcon>
#include <QLayout>
#include <QToolBar>
#include <QToolButton>

#include <stdexcept>

namespace forms {

ToolbarButton::ToolbarButton(QAction *action, const QString &key, int index)
    : m_action(action), m_key(key), m_index(index)
{
    setObjectName(key);
    setParent(action);
}

bool ToolbarButton::isSeparator() const
{
    return m_action && m_action->isSeparator();
}

bool ToolbarButton::Visible() const
{
    return m_action && m_action->isVisible();
}

void ToolbarButton::setVisible(bool visible)
{
    if (m_action)
        m_action->setVisible(visible);
}

bool ToolbarButton::Enabled() const
{
    return m_action && m_action->isEnabled();
}

void ToolbarButton::setEnabled(bool enabled)
{
    if (m_action)
        m_action->setEnabled(enabled);
}

QString ToolbarButton::ToolTipText() const
{
    return m_action ? m_action->toolTip() : QString();
}

void ToolbarButton::setToolTipText(const QString &text)
{
    if (m_action)
        m_action->setToolTip(text);
}

Toolbar::Toolbar(Parent parent, const QString &name) : Control(parent, new QToolBar, name), m_area(parent.area())
{
    QToolBar *toolBar = bar();
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(24, 24));
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // Thin margins: a 24x24 button (31 pixels high) fits the bar's height.
    toolBar->layout()->setContentsMargins(2, 1, 2, 1);
    applyFont();
    if (m_area) {
        m_area->installEventFilter(this);
        Move(0, 0, pixelsToTwipsX(m_area->width()), DefaultHeight);
    } else {
        setHeight(DefaultHeight);
    }
    widget()->raise();
}

QToolBar *Toolbar::bar() const
{
    return static_cast<QToolBar *>(widget());
}

ToolbarButton &Toolbar::adopt(QAction *action, const QString &key)
{
    auto *button = new ToolbarButton(action, key, ButtonCount() + 1);
    m_buttons.append(button);
    return *button;
}

ToolbarButton &Toolbar::addButton(const QString &key, const QString &toolTip, const QIcon &icon)
{
    if (!key.isEmpty()) {
        for (const ToolbarButton *button : std::as_const(m_buttons)) {
            if (button->Key() == key)
                throw PropertyError("toolbar button key is already used");
        }
    }
    QAction *action = bar()->addAction(icon, toolTip.isEmpty() ? key : toolTip);
    action->setObjectName(key);
    action->setToolTip(toolTip);
    ToolbarButton &button = adopt(action, key);
    connect(action, &QAction::triggered, this, [this, key] { emit ButtonClick(key); });
    return button;
}

ToolbarButton &Toolbar::addButton(const QString &key, const QString &toolTip, const QString &imageKey)
{
    const QPixmap picture = m_images ? m_images->Image(imageKey) : QPixmap();
    return addButton(key, toolTip, iconOf(picture));
}

ToolbarButton &Toolbar::addSeparator()
{
    return adopt(bar()->addSeparator(), QString());
}

ToolbarButton &Toolbar::Buttons(int position) const
{
    if (position < 1 || position > ButtonCount())
        throw std::out_of_range("no toolbar button at this position");
    return *m_buttons.at(position - 1);
}

ToolbarButton &Toolbar::Buttons(const QString &key) const
{
    for (ToolbarButton *button : m_buttons) {
        if (!key.isEmpty() && button->Key() == key)
            return *button;
    }
    throw std::out_of_range("no toolbar button with this key");
}

bool Toolbar::click(int position)
{
    if (position < 1 || position > ButtonCount())
        return false;
    const ToolbarButton &button = Buttons(position);
    if (button.isSeparator() || !button.Visible() || !button.Enabled() || !Enabled())
        return false;
    auto *toolButton = qobject_cast<QToolButton *>(bar()->widgetForAction(button.action()));
    if (!toolButton)
        return false;
    toolButton->click();
    return true;
}

QWidget *Toolbar::buttonWidget(int position) const
{
    if (position < 1 || position > ButtonCount())
        return nullptr;
    // Lay out pending changes first, so hidden buttons are gone and the rest have moved up.
    if (bar()->layout())
        bar()->layout()->activate();
    return bar()->widgetForAction(Buttons(position).action());
}

void Toolbar::applyGeometry()
{
    if (!widget())
        return;
    const int width = m_area ? m_area->width() : twipsToPixelsX(Width());
    widget()->setGeometry(0, 0, width, twipsToPixelsY(Height()));
}

bool Toolbar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area) {
        if (event->type() == QEvent::Resize)
            Move(0, 0, pixelsToTwipsX(m_area->width()), Height());
        else if (event->type() == QEvent::ChildAdded && widget())
            widget()->raise(); // controls created later stay below the bar
        return false;
    }
    return Control::eventFilter(watched, event);
}

} // namespace forms
