#pragma once

#include "forms/control.h"

class QTabBar;

namespace forms {

// A row of tabs over a framed page area; the pages themselves are other controls that the
// program shows and hides on Click. Tabs are numbered from 1. Click comes when the user
// switches to another tab, not when the program selects one.
class TabStrip : public Control
{
    Q_OBJECT
public:
    TabStrip(Parent parent, const QString &name);

    int AddTab(const QString &caption); // returns the tab's index
    int TabCount() const;
    QString TabCaption(int index) const; // empty outside 1..TabCount()

    int SelectedIndex() const;        // 0 while there are no tabs
    void setSelectedIndex(int index); // an index outside 1..TabCount() changes nothing
    QString SelectedCaption() const;

    QTabBar *tabBar() const { return m_tabBar; }

protected:
    void handleMouseRelease() override {}

private:
    QTabBar *m_tabBar;
    bool m_programChange = false;
};

} // namespace forms
