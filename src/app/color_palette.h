#pragma once

#include "forms/color_value.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

namespace forms {
class Control;
}

// The sixteen colours the user can choose from. Settings hold a colour as its number, the text
// "1" to "16"; the properties dialog lists them by name. "Black", "Gray" and "White" follow the
// system's colour scheme, the others are fixed.
namespace app::mMain {

struct PaletteColor
{
    QStringView number;
    QStringView name;
    forms::ColorValue value;
};

inline constexpr std::array<PaletteColor, 16> Palette = {{
    {u"1", u"Black", forms::SystemColor::WindowText},
    {u"2", u"Maroon", forms::rgb(128, 0, 0)},
    {u"3", u"Green", forms::rgb(0, 128, 0)},
    {u"4", u"Olive", forms::rgb(128, 128, 0)},
    {u"5", u"Navy", forms::rgb(0, 0, 128)},
    {u"6", u"Purple", forms::rgb(128, 0, 128)},
    {u"7", u"Teal", forms::rgb(0, 128, 128)},
    {u"8", u"Gray", forms::SystemColor::ButtonFace},
    {u"9", u"Silver", forms::rgb(128, 128, 128)},
    {u"10", u"Red", forms::rgb(255, 0, 0)},
    {u"11", u"Lime", forms::rgb(0, 255, 0)},
    {u"12", u"Yellow", forms::rgb(255, 255, 0)},
    {u"13", u"Blue", forms::rgb(0, 0, 255)},
    {u"14", u"Fuschia", forms::rgb(255, 0, 255)},
    {u"15", u"Aqua", forms::rgb(0, 255, 255)},
    {u"16", u"White", forms::SystemColor::Window},
}};

// The colour of an exact number text "1" .. "16"; nothing for any other text ("01", " 1", "").
std::optional<forms::ColorValue> colorFromNumber(const QString &number);

// Set the box's text or background colour from a colour number; any other text changes nothing.
void SetForeColorByNumber(forms::Control &box, const QString &number);
void SetBackColorByNumber(forms::Control &box, const QString &number);

// The colour of a name in any mix of letter cases; 0 (black) for a name not in the list.
forms::ColorValue ColorFromName(const QString &name);

// The names in palette order, as the properties dialog lists them.
QStringList colorNames();

// How well text in one colour reads on the other, as the ratio of their relative luminances
// (1 for equal colours, 21 for black on white); 4.5 or more reads well for normal text.
double ContrastRatio(forms::ColorValue text, forms::ColorValue background);

} // namespace app::mMain
