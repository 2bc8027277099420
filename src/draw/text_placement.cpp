#include "draw/text_placement.h"

#include "forms/picture_box.h"

namespace draw {
namespace {

struct Measures
{
    float scaleWidth;
    float scaleHeight;
    float textWidth;
    float textHeight;
};

Measures measure(const forms::PictureBox &area, const QString &text)
{
    return {float(area.ScaleWidth()), float(area.ScaleHeight()), float(area.TextWidth(text)),
            float(area.TextHeight(text))};
}

void printAt(forms::PictureBox &area, const QString &text, float x, float y)
{
    area.setCurrentX(x);
    area.setCurrentY(y);
    area.Print(text);
}

} // namespace

void ClearForBoldText(forms::PictureBox &area, double fontSize)
{
    area.Cls();
    area.Refresh();
    area.setFontBold(true);
    area.setFontSize(fontSize);
    area.setAutoRedraw(true);
}

void PrintCentred(forms::PictureBox &area, const QString &text)
{
    const Measures m = measure(area, text);
    printAt(area, text, (m.scaleWidth - m.textWidth) / 2.0f, (m.scaleHeight - m.textHeight) / 2.0f);
}

void PrintTitle(forms::PictureBox &area, const QString &text)
{
    const Measures m = measure(area, text);
    printAt(area, text, (m.scaleWidth - m.textWidth) / 2.0f, (m.scaleHeight - m.textHeight) / 2.0f - 500.0f);
}

void PrintCornerHint(forms::PictureBox &area, const QString &text)
{
    const Measures m = measure(area, text);
    printAt(area, text, m.scaleWidth - m.textWidth - 400.0f, m.scaleHeight - m.textHeight - 800.0f);
}

void PrintLowTitle(forms::PictureBox &area, const QString &text)
{
    const Measures m = measure(area, text);
    printAt(area, text, (m.scaleWidth - m.textWidth) / 2.0f, m.scaleHeight - m.textHeight - 2500.0f);
}

} // namespace draw
