#pragma once

#include "bank/picture_list.h"
#include "bank/question_pictures.h"

namespace forms {
class Label;
class PictureBox;
} // namespace forms

// How a question's picture reaches the preview area.
namespace draw {

// Paints the holder's picture centred into the preview area and clears the note flag.
void PaintPreview(forms::PictureBox &Picture2, forms::PictureBox &Picture3);

// Shows the picture of the question whose record number lblQuestNum carries, or "No Preview".
// The preview area's bold font marks the note as already on display. Without a picture list the
// carried test's pictures go by record number; with one, only the pictures it gives show: a
// carried one at its natural size, a file of the teacher's made small enough for the area.
void ShowQuestionPicture(const forms::Label &lblQuestNum, forms::PictureBox &Picture2, forms::PictureBox &Picture3,
                         const bank::PictureList *pictures = nullptr);

} // namespace draw
