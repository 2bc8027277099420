#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>

namespace forms {

class Form;

// A menu of a form's menu bar, or an item of such a menu. In captions "&" marks the access key
// ("&File" opens with Alt+F, "&&" shows an ampersand); an item captioned "-" is a separator line.
// Caption, Visible, Enabled and Checked can change at any time. Click comes when the user
// chooses the item (for a menu: when it opens); choosing never changes Checked by itself.
class MenuItem : public QObject
{
    Q_OBJECT
public:
    MenuItem(Form &form, const QString &name, const QString &caption);     // a menu of the bar
    MenuItem(MenuItem &menu, const QString &name, const QString &caption); // an item of a menu

    QString Name() const { return objectName(); }

    QString Caption() const;
    void setCaption(const QString &caption);
    bool Visible() const;
    void setVisible(bool visible);
    bool Enabled() const;
    void setEnabled(bool enabled);

    bool Checked() const { return m_checked; }

    void setChecked(bool checked);
    bool isSeparator() const;

    // Chooses the item as the user would: nothing happens unless the item and every menu
    // above it are visible and enabled.
    void trigger();
    bool reachable() const;

    QAction *action() const { return m_action; }

    QMenu *menu() const { return m_menu; } // the drop-down of a menu, null for a plain item

signals:
    void Click();

private:
    QMenu *ensureMenu();
    void chosen();

    QPointer<QAction> m_action;
    QPointer<QMenu> m_menu;
    MenuItem *m_parentItem = nullptr;
    bool m_checked = false;
};

} // namespace forms
