#pragma once

#include <QString>

namespace forms {
class ImageList;
class PictureBox;
} // namespace forms

namespace draw {

// The size of a colour swatch in pixels.
constexpr int SwatchWidthPixels = 88;
constexpr int SwatchHeightPixels = 12;

// Draws the swatch of a palette colour in the scratch area (filled with the colour, system
// colours as the current scheme shows them, inside a one-pixel black frame) and adds it to
// images under the colour's upper-case name. The caller's name becomes that upper-case name.
// The scratch area is left cleared and without a picture.
void MakeColorSwatch(forms::PictureBox &area, forms::ImageList &images, QString &colorName);

} // namespace draw
