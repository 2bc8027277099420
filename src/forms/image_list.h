#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QString>

class QIcon;
class QImage;

namespace forms {

// A list of pictures under optional keys, the picture source of toolbars, image combos and list
// views. Pictures are addressed from 1 or by key; a key names at most one picture.
class ImageList : public QObject
{
    Q_OBJECT
public:
    explicit ImageList(QObject *owner = nullptr, const QString &name = QString());

    // Returns the new picture's index; throws PropertyError when the key is already used.
    int Add(const QString &key, const QPixmap &picture);
    int Add(const QString &key, const QImage &picture);
    void Clear();

    int Count() const { return int(m_entries.size()); }

    QPixmap Image(int index) const;          // a null pixmap outside 1..Count()
    QPixmap Image(const QString &key) const; // a null pixmap for an unknown key
    QString Key(int index) const;
    int IndexOf(const QString &key) const; // 0 for an unknown or empty key
    QSize ImageSize() const;               // the smallest size that holds every picture

private:
    struct Entry
    {
        QString key;
        QPixmap picture;
    };

    QList<Entry> m_entries;
};

// The icon of a picture, or an empty icon for a null picture.
QIcon iconOf(const QPixmap &picture);

} // namespace forms
