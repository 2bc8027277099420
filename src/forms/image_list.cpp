#include "forms/image_list.h"

#include "forms/property_error.h"

#include <QIcon>
#include <QImage>

namespace forms {

ImageList::ImageList(QObject *owner, const QString &name) : QObject(owner)
{
    setObjectName(name);
}

int ImageList::Add(const QString &key, const QPixmap &picture)
{
    if (!key.isEmpty() && IndexOf(key) != 0)
        throw PropertyError("image key is already in the list");
    m_entries.append({key, picture});
    return Count();
}

int ImageList::Add(const QString &key, const QImage &picture)
{
    return Add(key, QPixmap::fromImage(picture));
}

void ImageList::Clear()
{
    m_entries.clear();
}

QPixmap ImageList::Image(int index) const
{
    if (index < 1 || index > Count())
        return QPixmap();
    return m_entries.at(index - 1).picture;
}

QPixmap ImageList::Image(const QString &key) const
{
    return Image(IndexOf(key));
}

QString ImageList::Key(int index) const
{
    if (index < 1 || index > Count())
        return QString();
    return m_entries.at(index - 1).key;
}

int ImageList::IndexOf(const QString &key) const
{
    if (key.isEmpty())
        return 0;
    for (int i = 0; i < Count(); ++i) {
        if (m_entries.at(i).key == key)
            return i + 1;
    }
    return 0;
}

QSize ImageList::ImageSize() const
{
    QSize size(0, 0);
    for (const Entry &entry : m_entries)
        size = size.expandedTo(entry.picture.size());
    return size;
}

QIcon iconOf(const QPixmap &picture)
{
    return picture.isNull() ? QIcon() : QIcon(picture);
}

} // namespace forms
