#pragma once

#include <QString>

namespace forms {
class PictureBox;
}

// One line of text placed in a picture area: each routine measures the text in the area's
// current font, sets the area's current position and prints the text once there, in the area's
// font and fore colour. Positions are worked out in single precision in the area's scale and are
// neither rounded nor kept inside the area, so a text that does not fit is cut at the edges.
namespace draw {

// Clears the area for a fresh screen of text: what is printed next is bold, in the given size,
// and stays when the area is repainted.
void ClearForBoldText(forms::PictureBox &area, double fontSize);

// Centred both ways.
void PrintCentred(forms::PictureBox &area, const QString &text);
// Centred across, 500 units above the middle.
void PrintTitle(forms::PictureBox &area, const QString &text);
// 400 units from the right edge and 800 from the bottom edge.
void PrintCornerHint(forms::PictureBox &area, const QString &text);
// Centred across, 2500 units from the bottom edge.
void PrintLowTitle(forms::PictureBox &area, const QString &text);

} // namespace draw
