#pragma once

#include "forms/color_value.h"

#include <QString>

namespace draw {

// One line of the results markup, its tags taken out. Tags are case-sensitive and may stand
// anywhere in the line; every attribute is decided by the line alone.
//   <B> bold   <C> centred   <U> underlined   <S> 20 points instead of 16
//   <cG> green, else <cR> red, else <cB> blue, else black (only the winning colour tag goes)
//   <P> a pause before the line is shown
struct MarkupLine
{
    static constexpr double NormalSize = 16;
    static constexpr double LargeSize = 20;

    QString text;
    bool bold = false;
    bool centred = false;
    bool underline = false;
    double fontSize = NormalSize;
    forms::ColorValue color = 0;
    bool pause = false;

    static MarkupLine parse(const QString &line);
};

} // namespace draw
