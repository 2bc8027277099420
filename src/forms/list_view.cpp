#include "forms/list_view.h"

#include "forms/combo_box.h"
#include "forms/image_list.h"

#include <QEvent>
#include <QIcon>
#include <QListWidget>
#include <QPainter>
#include <QStyleOptionFrame>

#include <cmath>

namespace forms {

namespace {

// At a fractional scale the style's one-pixel frame lines fall between device pixels, and the
// view inside takes the part of the right and bottom lines it overlaps: those edges would show
// no line at all. The frame is then drawn once more in device pixels, where its lines fill the
// outermost pixels that the view leaves free.
class FramedListWidget : public QListWidget
{
protected:
    bool event(QEvent *event) override
    {
        const bool handled = QListWidget::event(event);
        const qreal ratio = devicePixelRatioF();
        if (event->type() == QEvent::Paint && ratio != std::floor(ratio))
            drawFrameInDevicePixels(ratio);
        return handled;
    }

private:
    void drawFrameInDevicePixels(qreal ratio)
    {
        QPainter painter(this);
        painter.scale(1 / ratio, 1 / ratio);
        QStyleOptionFrame option;
        initStyleOption(&option);
        option.rect = QRect(QPoint(), (QSizeF(size()) * ratio).toSize());
        style()->drawControl(QStyle::CE_ShapedFrame, &option, &painter, this);
    }
};

} // namespace

ListView::ListView(Parent parent, const QString &name) : Control(parent, new FramedListWidget, name)
{
    QListWidget *view = list();
    view->setViewMode(QListView::ListMode);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setIconSize(QSize(16, 16));
    m_backColor = SystemColor::Window;
    applyFont();
    applyColors();
    watchMouseOf(view->viewport());
    connect(view, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { emit ItemClick(list()->row(item) + 1); });
}

QListWidget *ListView::list() const
{
    return static_cast<QListWidget *>(widget());
}

void ListView::setImageList(ImageList *images)
{
    m_images = images;
    if (images && images->Count() > 0)
        list()->setIconSize(images->ImageSize());
}

int ListView::addEntry(const QString &text, const QPixmap &picture)
{
    auto *item = new QListWidgetItem(iconOf(picture), text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    list()->addItem(item); // the list owns the item
    return ItemCount();
}

int ListView::AddItem(const QString &text, int imageIndex)
{
    return addEntry(text, m_images ? m_images->Image(imageIndex) : QPixmap());
}

int ListView::AddItem(const QString &text, const QString &imageKey)
{
    return addEntry(text, m_images ? m_images->Image(imageKey) : QPixmap());
}

void ListView::Clear()
{
    list()->clear();
}

int ListView::ItemCount() const
{
    return list()->count();
}

QString ListView::Item(int index) const
{
    if (index < 1 || index > ItemCount())
        return QString();
    return list()->item(index - 1)->text();
}

int ListView::SelectedIndex() const
{
    const QList<QListWidgetItem *> selected = list()->selectedItems();
    return selected.isEmpty() ? 0 : list()->row(selected.first()) + 1;
}

void ListView::setSelectedIndex(int index)
{
    if (index < 1 || index > ItemCount()) {
        list()->clearSelection();
        return;
    }
    list()->setCurrentRow(index - 1, QItemSelectionModel::ClearAndSelect);
}

void ListView::applyColors()
{
    applyFieldColors(widget(), m_foreColor, m_backColor);
}

} // namespace forms
