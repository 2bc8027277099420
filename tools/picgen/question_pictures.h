#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace picgen {

// The bitmaps the questions of the default test show, by resource id (101 to 170, no 106).
class QuestionPictures
{
public:
    static QList<int> ids();
    // A null image for an id that has no picture.
    static QImage render(int id);
    // Writes <id>.bmp for every id into the directory, which must exist.
    static bool writeAll(const QString &directory, QString *errorString = nullptr);
};

} // namespace picgen
