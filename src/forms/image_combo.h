#pragma once

#include "forms/control.h"
#include "forms/image_list.h"

#include <QPointer>

class QComboBox;

namespace forms {

// A drop-down list whose entries have a key, a text and a picture from an image list, shown at
// the pictures' own size. Entries are numbered from 1; SelectedIndex 0 means none is selected.
// Click comes when the user picks an entry, not when the program selects one.
class ImageCombo : public Control
{
    Q_OBJECT
public:
    ImageCombo(Parent parent, const QString &name);

    void setImageList(ImageList *images) { m_images = images; }
    ImageList *imageList() const { return m_images; }

    // The picture is the image list's picture under imageKey (none when it has no such key).
    // A repeated non-empty key throws PropertyError and adds nothing.
    void AddItem(const QString &key, const QString &text, const QString &imageKey = QString());
    void Clear();
    int ItemCount() const;
    QString ItemKey(int index) const; // empty outside 1..ItemCount()
    QString ItemText(int index) const;

    int SelectedIndex() const;
    void setSelectedIndex(int index); // outside 1..ItemCount() selects nothing
    QString SelectedKey() const;      // empty when nothing is selected
    QString SelectedText() const;
    void Refresh();

protected:
    void applyColors() override;

    void handleMouseRelease() override {}

private:
    QComboBox *combo() const;

    QPointer<ImageList> m_images;
};

} // namespace forms
