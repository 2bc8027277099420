#pragma once

#include <QAccessible>
#include <QMap>
#include <QSet>
#include <QStringList>
#include <QWidget>

#include <functional>

// What a screen reader reaches in a window: every item on screen by its name, and the object
// names of the items it would have to read without a name (containers may stay nameless).
struct AccessibleTree
{
    QMap<QString, QAccessibleInterface *> named;
    QStringList nameless;

    explicit AccessibleTree(QWidget *window)
    {
        const QSet<QAccessible::Role> containers = {QAccessible::Client,  QAccessible::Grouping, QAccessible::ToolBar,
                                                    QAccessible::MenuBar, QAccessible::Dialog,   QAccessible::Window};
        const std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *item) {
            if (item->state().invisible)
                return;
            const QString name = item->text(QAccessible::Name);
            if (name.isEmpty() && !containers.contains(item->role()))
                nameless << QStringLiteral("%1 (role %2)").arg(item->object()->objectName()).arg(item->role());
            named.insert(name, item);
            for (int i = 0; i < item->childCount(); ++i)
                walk(item->child(i));
        };
        walk(QAccessible::queryAccessibleInterface(window));
    }
};
