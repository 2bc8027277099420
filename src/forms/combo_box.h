#pragma once

#include "forms/control.h"

class QComboBox;

namespace forms {

// Gives an edit field or a list its text and background colours; buttons keep the style's.
void applyFieldColors(QWidget *widget, ColorValue fore, ColorValue back);

// A drop-down combo with an edit field. The text may be anything the program or the user puts
// there, not only one of the items; typed text is never added to the list. Items are numbered
// from 0 (List, ListIndex), ListIndex -1 meaning that the text is no item.
// Click comes when the user picks an item from the list (also with the arrow keys).
class ComboBox : public Control
{
    Q_OBJECT
public:
    ComboBox(Parent parent, const QString &name);

    void AddItem(const QString &item);
    void Clear();
    int ListCount() const;
    QString List(int index) const; // empty outside 0..ListCount()-1

    QString Text() const;
    void setText(const QString &text); // selects the item of that text when there is one
    int ListIndex() const;
    void setListIndex(int index); // -1 (or any index outside the list) selects no item

signals:
    void Change(); // the text changed by typing or by the program

protected:
    void applyColors() override;

    void handleMouseRelease() override {}

private:
    QComboBox *combo() const;
};

} // namespace forms
