#include "draw/color_swatch.h"

#include "app/color_palette.h"
#include "forms/image_list.h"
#include "forms/picture_box.h"
#include "forms/units.h"

#include <QImage>

namespace draw {

void MakeColorSwatch(forms::PictureBox &area, forms::ImageList &images, QString &colorName)
{
    using forms::PictureBox;
    colorName = colorName.toUpper();
    area.setAutoRedraw(true);
    area.setScaleMode(PictureBox::Twips);
    // 32 pixels plus 840 twips: 88 pixels wide at 15 twips per pixel.
    area.setWidth(forms::pixelsToTwipsX(32) + 840);
    area.setHeight(forms::pixelsToTwipsY(SwatchHeightPixels));
    area.setBorderStyle(PictureBox::NoBorder);
    area.setAppearance(PictureBox::Flat);
    area.setBackColor(app::mMain::ColorFromName(colorName));
    area.setForeColor(0);
    area.Line(0, 0, area.ScaleWidth() - forms::twipsPerPixelX(), area.ScaleHeight() - forms::twipsPerPixelY(), 0, true);
    area.setPictureFromDrawing();
    images.Add(colorName, area.Picture());
    area.Cls();
    area.setPicture(QImage());
}

} // namespace draw
