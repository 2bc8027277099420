#include "app/color_palette.h"

#include "forms/control.h"

#include <QColor>

#include <algorithm>
#include <cmath>

namespace app::mMain {

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

namespace {

double relativeLuminance(forms::ColorValue value)
{
    const QColor color = forms::resolveColor(value);
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.red()) + 0.7152 * linear(color.green()) + 0.0722 * linear(color.blue());
}

} // namespace

double ContrastRatio(forms::ColorValue text, forms::ColorValue background)
{
    const double a = relativeLuminance(text);
    const double b = relativeLuminance(background);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QStringList colorNames()
{
    QStringList names;
    for (const PaletteColor &color : Palette)
        names << color.name.toString();
    return names;
}

} // namespace app::mMain
