#pragma once

#include "forms/control.h"
#include "forms/image_list.h"

#include <QAction>
#include <QList>
#include <QPointer>

class QIcon;
class QToolBar;

namespace forms {

// One button (or separator) of a toolbar. Hidden buttons take no room in the bar.
class ToolbarButton : public QObject
{
    Q_OBJECT
public:
    QString Key() const { return m_key; }

    int Index() const { return m_index; } // position in the bar, from 1, separators counted

    bool isSeparator() const;

    bool Visible() const;
    void setVisible(bool visible);
    bool Enabled() const;
    void setEnabled(bool enabled);
    QString ToolTipText() const;
    void setToolTipText(const QString &text);

    QAction *action() const { return m_action; }

private:
    friend class Toolbar;
    ToolbarButton(QAction *action, const QString &key, int index);

    QPointer<QAction> m_action;
    QString m_key;
    int m_index;
};

// A toolbar aligned to the top of its parent area: it always spans the area's full width, stays
// above the other controls there and is DefaultHeight twips high, room for 24x24 pictures.
// ButtonClick carries the key of the visible, enabled button the user clicked.
class Toolbar : public Control
{
    Q_OBJECT
public:
    static constexpr double DefaultHeight = 500; // 33 pixels at 96 dpi

    Toolbar(Parent parent, const QString &name);

    // Keys are unique among the buttons that have one; a repeated key throws PropertyError.
    ToolbarButton &addButton(const QString &key, const QString &toolTip, const QIcon &icon);
    // The picture is taken from the toolbar's image list, by key (none when it is missing).
    ToolbarButton &addButton(const QString &key, const QString &toolTip, const QString &imageKey);
    ToolbarButton &addSeparator();

    void setImageList(ImageList *images) { m_images = images; }
    int ButtonCount() const { return int(m_buttons.size()); }

    // Throw std::out_of_range for a position outside 1..ButtonCount() or an unknown key.
    ToolbarButton &Buttons(int position) const;
    ToolbarButton &Buttons(const QString &key) const;

    // Clicks the button at the position as the user would; returns whether it took the click
    // (a hidden or disabled button and a separator do not).
    bool click(int position);
    // The widget showing the button, laid out as it is on screen (for tests that click it).
    QWidget *buttonWidget(int position) const;

signals:
    void ButtonClick(const QString &key);

protected:
    void applyGeometry() override;

    void handleMouseRelease() override {}

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QToolBar *bar() const;
    ToolbarButton &adopt(QAction *action, const QString &key);

    QPointer<QWidget> m_area;
    QPointer<ImageList> m_images;
    QList<ToolbarButton *> m_buttons;
};

} // namespace forms
