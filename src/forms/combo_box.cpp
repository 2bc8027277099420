#include "forms/combo_box.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace forms {

ComboBox::ComboBox(Parent parent, const QString &name) : Control(parent, new QComboBox, name)
{
    QComboBox *box = combo();
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr); // typing must not replace the text by an item
    box->setMaxVisibleItems(8);
    m_backColor = SystemColor::Window;
    applyFont();
    applyColors();
    watchMouseOf(box->lineEdit());
    connect(box, &QComboBox::activated, this, &ComboBox::Click);
    connect(box, &QComboBox::editTextChanged, this, &ComboBox::Change);
}

QComboBox *ComboBox::combo() const
{
    return static_cast<QComboBox *>(widget());
}

void ComboBox::AddItem(const QString &item)
{
    // Adding to an empty list must not put the first item into the edit field.
    const QString text = Text();
    const int index = ListIndex();
    combo()->addItem(item);
    if (index < 0) {
        combo()->setCurrentIndex(-1);
        combo()->setEditText(text);
    }
}

void ComboBox::Clear()
{
    const QString text = Text();
    combo()->clear();
    combo()->setEditText(text);
}

int ComboBox::ListCount() const
{
    return combo()->count();
}

QString ComboBox::List(int index) const
{
    if (index < 0 || index >= ListCount())
        return QString();
    return combo()->itemText(index);
}

QString ComboBox::Text() const
{
    return combo()->currentText();
}

void ComboBox::setText(const QString &text)
{
    combo()->setCurrentIndex(combo()->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    combo()->setEditText(text);
}

int ComboBox::ListIndex() const
{
    const int index = combo()->currentIndex();
    // An item stays current in Qt after the user has typed over it.
    return index >= 0 && combo()->itemText(index) == Text() ? index : -1;
}

void ComboBox::setListIndex(int index)
{
    if (index < 0 || index >= ListCount()) {
        combo()->setCurrentIndex(-1);
        combo()->setEditText(QString());
        return;
    }
    combo()->setCurrentIndex(index);
}

void ComboBox::applyColors()
{
    applyFieldColors(widget(), m_foreColor, m_backColor);
}

void applyFieldColors(QWidget *widget, ColorValue fore, ColorValue back)
{
    if (!widget)
        return;
    QPalette palette = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, resolveColor(back));
        palette.setColor(group, QPalette::Text, resolveColor(fore));
    }
    widget->setPalette(palette);
}

} // namespace forms
