#pragma once

#include <optional>

// Which records of the carried test come with a picture: the bitmap of each record number.
namespace bank {

// The bitmap id for a record number, or nothing for a record without a picture.
std::optional<int> questionPictureId(int recordNumber);
// Every record number that has a picture, ascending.
int questionPictureCount();
int questionPictureRecord(int index);

} // namespace bank
