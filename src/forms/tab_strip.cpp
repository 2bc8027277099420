#include "forms/tab_strip.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QWidget>

namespace forms {

namespace {

// The tab bar along the top and the frame of the page area below it.
class TabStripWidget : public QWidget
{
public:
    TabStripWidget() : m_tabBar(new QTabBar(this))
    {
        m_tabBar->setDrawBase(false);
        m_tabBar->setExpanding(false);
    }

    QTabBar *tabBar() const { return m_tabBar; }

protected:
    void resizeEvent(QResizeEvent *) override { m_tabBar->setGeometry(0, 0, width(), m_tabBar->sizeHint().height()); }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        QStyleOptionTabWidgetFrame frame;
        frame.initFrom(this);
        const int top = m_tabBar->sizeHint().height() - 1;
        frame.rect = QRect(0, top, width(), height() - top);
        frame.shape = QTabBar::RoundedNorth;
        frame.tabBarSize = m_tabBar->sizeHint();
        frame.tabBarRect = m_tabBar->geometry();
        style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
    }

private:
    QTabBar *m_tabBar;
};

} // namespace

TabStrip::TabStrip(Parent parent, const QString &name)
    : Control(parent, new TabStripWidget, name), m_tabBar(static_cast<TabStripWidget *>(widget())->tabBar())
{
    applyFont();
    connect(m_tabBar, &QTabBar::currentChanged, this, [this] {
        if (!m_programChange)
            emit Click();
    });
}

int TabStrip::AddTab(const QString &caption)
{
    m_programChange = true;
    const int index = m_tabBar->addTab(caption) + 1;
    m_programChange = false;
    m_tabBar->resize(m_tabBar->parentWidget()->width(), m_tabBar->sizeHint().height());
    return index;
}

int TabStrip::TabCount() const
{
    return m_tabBar->count();
}

QString TabStrip::TabCaption(int index) const
{
    if (index < 1 || index > TabCount())
        return QString();
    return m_tabBar->tabText(index - 1);
}

int TabStrip::SelectedIndex() const
{
    return m_tabBar->currentIndex() + 1;
}

void TabStrip::setSelectedIndex(int index)
{
    if (index < 1 || index > TabCount())
        return;
    m_programChange = true;
    m_tabBar->setCurrentIndex(index - 1);
    m_programChange = false;
}

QString TabStrip::SelectedCaption() const
{
    return TabCaption(SelectedIndex());
}

} // namespace forms
