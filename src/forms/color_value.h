#pragma once

#include <QColor>
#include <cstdint>

// A colour as the program stores it: 0x00BBGGRR for a fixed colour, or 0x800000nn for the
// system's colour number nn, resolved through the application palette whenever it is painted.
namespace forms {

using ColorValue = std::uint32_t;

namespace SystemColor {
constexpr ColorValue Window = 0x80000005; // background of text areas
constexpr ColorValue WindowText = 0x80000008;
constexpr ColorValue ButtonFace = 0x8000000F;
constexpr ColorValue ButtonText = 0x80000012;
} // namespace SystemColor

constexpr ColorValue rgb(int r, int g, int b)
{
    return static_cast<ColorValue>((b & 0xFF) << 16 | (g & 0xFF) << 8 | (r & 0xFF));
}

constexpr bool isSystemColor(ColorValue value)
{
    return (value & 0xFF000000u) == 0x80000000u;
}

// The colour shown on screen for a value, system colours taken from the current palette.
QColor resolveColor(ColorValue value);

} // namespace forms
