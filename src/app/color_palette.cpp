#include "app/color_palette.h"

#include "forms/control.h"

namespace mMain {

std::optional<forms::ColorValue> colorFromNumber(const QString &number)
{
    for (const PaletteColor &color : Palette) {
        if (number == color.number)
            return color.value;
    }
    return std::nullopt;
}

void SetForeColorByNumber(forms::Control &box, const QString &number)
{
    if (const auto color = colorFromNumber(number))
        box.setForeColor(*color);
}

void SetBackColorByNumber(forms::Control &box, const QString &number)
{
    if (const auto color = colorFromNumber(number))
        box.setBackColor(*color);
}

forms::ColorValue ColorFromName(const QString &name)
{
    const QString upper = name.toUpper();
    for (const PaletteColor &color : Palette) {
        if (upper == color.name.toString().toUpper())
            return color.value;
    }
    return 0;
}

QStringList colorNames()
{
    QStringList names;
    for (const PaletteColor &color : Palette)
        names << color.name.toString();
    return names;
}

} // namespace mMain
