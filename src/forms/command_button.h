#pragma once

#include "forms/control.h"

#include <QMap>

class QShortcut;

namespace forms {

class CommandButton : public Control
{
    Q_OBJECT
public:
    CommandButton(Parent parent, const QString &name, const QString &caption = QString());

    QString Caption() const;
    void setCaption(const QString &caption);
    void setDefault(bool isDefault);
    void setCancel(bool isCancel); // Escape anywhere in the window clicks the button
    void click();                  // as the user would, through the button

protected:
    void handleMouseRelease() override;

private:
    QShortcut *m_cancelKey = nullptr;
};

// A control array of command buttons sharing one name and one click handler that receives the
// index. The first element exists from the start; further elements are created at run time as
// copies of it (geometry, caption, font, colours, enabled state), hidden until shown.
class CommandButtonArray : public QObject
{
    Q_OBJECT
public:
    CommandButtonArray(Parent parent, const QString &name, int firstIndex, const QString &caption = QString());

    CommandButton &operator()(int index) const;

    bool exists(int index) const { return m_elements.contains(index); }

    void Load(int index);

    int Count() const { return int(m_elements.size()); }
    int LBound() const { return m_elements.firstKey(); }
    int UBound() const { return m_elements.lastKey(); }
    QString Name() const { return objectName(); }

signals:
    void Click(int index);

private:
    void adopt(int index, CommandButton *button);

    Parent m_parent;
    QMap<int, CommandButton *> m_elements;
};

} // namespace forms
