#pragma once

#include <QString>

#include <optional>

// Which records of the carried test come with a picture: the bitmap of each record number.
namespace bank {

// The bitmap id for a record number, or nothing for a record without a picture.
std::optional<int> questionPictureId(int recordNumber);
// Where the program carries a bitmap, by its id.
inline QString questionPictureResource(int bitmapId)
{
    return QStringLiteral(":/pictures/%1.bmp").arg(bitmapId);
}
// How many records have a picture.
int questionPictureCount();
// The record numbers that have a picture, ascending, for index 0 to questionPictureCount() - 1.
int questionPictureRecord(int index);

} // namespace bank
