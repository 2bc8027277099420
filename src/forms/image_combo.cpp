#include "forms/image_combo.h"

#include "forms/combo_box.h"
#include "forms/image_list.h"
#include "forms/property_error.h"

#include <QComboBox>
#include <QIcon>

namespace forms {

namespace {
constexpr int KeyRole = Qt::UserRole;
}

ImageCombo::ImageCombo(Parent parent, const QString &name) : Control(parent, new QComboBox, name)
{
    combo()->setEditable(false);
    combo()->setMaxVisibleItems(16);
    combo()->setIconSize(QSize(0, 0));
    m_backColor = SystemColor::Window;
    applyFont();
    applyColors();
    connect(combo(), &QComboBox::activated, this, &ImageCombo::Click);
}

QComboBox *ImageCombo::combo() const
{
    return static_cast<QComboBox *>(widget());
}

void ImageCombo::AddItem(const QString &key, const QString &text, const QString &imageKey)
{
    if (!key.isEmpty() && combo()->findData(key, KeyRole, Qt::MatchExactly) >= 0)
        throw PropertyError("image combo key is already used");
    const QPixmap picture = m_images ? m_images->Image(imageKey) : QPixmap();
    // Pictures are shown at their own size: the icon size grows to the largest one.
    if (!picture.isNull())
        combo()->setIconSize(combo()->iconSize().expandedTo(picture.size()));
    const int selected = combo()->currentIndex();
    combo()->addItem(iconOf(picture), text, key);
    // Qt makes the first entry current; nothing is selected until the program or user says so.
    combo()->setCurrentIndex(selected);
}

void ImageCombo::Clear()
{
    combo()->clear();
}

int ImageCombo::ItemCount() const
{
    return combo()->count();
}

QString ImageCombo::ItemKey(int index) const
{
    if (index < 1 || index > ItemCount())
        return QString();
    return combo()->itemData(index - 1, KeyRole).toString();
}

QString ImageCombo::ItemText(int index) const
{
    if (index < 1 || index > ItemCount())
        return QString();
    return combo()->itemText(index - 1);
}

int ImageCombo::SelectedIndex() const
{
    return combo()->currentIndex() + 1;
}

void ImageCombo::setSelectedIndex(int index)
{
    combo()->setCurrentIndex(index >= 1 && index <= ItemCount() ? index - 1 : -1);
}

QString ImageCombo::SelectedKey() const
{
    return ItemKey(SelectedIndex());
}

QString ImageCombo::SelectedText() const
{
    return ItemText(SelectedIndex());
}

void ImageCombo::applyColors()
{
    applyFieldColors(widget(), m_foreColor, m_backColor);
}

void ImageCombo::Refresh()
{
    combo()->update();
}

} // namespace forms
