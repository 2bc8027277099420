#pragma once

#include "forms/control.h"
#include "forms/image_list.h"

#include <QPointer>

class QListWidget;

namespace forms {

// A list of entries with small icons from an image list. Entries are numbered from 1;
// SelectedIndex 0 means none is selected. Entries cannot be edited by the user.
class ListView : public Control
{
    Q_OBJECT
public:
    ListView(Parent parent, const QString &name);

    void setImageList(ImageList *images);

    ImageList *imageList() const { return m_images; }

    // The icon is the image list's picture at imageIndex (from 1) or under imageKey; an index
    // or key the list does not have gives an entry without icon. Returns the entry's index.
    int AddItem(const QString &text, int imageIndex = 0);
    int AddItem(const QString &text, const QString &imageKey);
    void Clear();
    int ItemCount() const;
    QString Item(int index) const; // empty outside 1..ItemCount()

    int SelectedIndex() const;
    void setSelectedIndex(int index); // outside 1..ItemCount() selects nothing

signals:
    void ItemClick(int index);

protected:
    void applyColors() override;

private:
    QListWidget *list() const;
    int addEntry(const QString &text, const QPixmap &picture);

    QPointer<ImageList> m_images;
};

} // namespace forms
