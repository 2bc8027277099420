#pragma once

#include <optional>

namespace forms {
class Label;
class PictureBox;
}

// Which records of the test come with a picture, and how a question's picture reaches the
// preview area.
namespace mMain {

// The bitmap id for a record number, or nothing for a record without a picture.
std::optional<int> questionPictureId(int recordNumber);
// Every record number that has a picture, ascending.
int questionPictureCount();
int questionPictureRecord(int index);

// Paints the holder's picture centred into the preview area and clears the note flag.
void PaintPreview(forms::PictureBox &Picture2, forms::PictureBox &Picture3);

} // namespace mMain

// Shows the picture of the question whose record number lblQuestNum carries, or "No Preview".
// The preview area's bold font marks the note as already on display.
void ShowQuestionPicture(const forms::Label &lblQuestNum, forms::PictureBox &Picture2,
                         forms::PictureBox &Picture3);
