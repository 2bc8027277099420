#include "forms/units.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace forms {
namespace {

double logicalDpi(bool horizontal)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 96.0;
    const double dpi = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return dpi > 0 ? dpi : 96.0;
}

} // namespace

double twipsPerPixelX()
{
    return TwipsPerInch / logicalDpi(true);
}

double twipsPerPixelY()
{
    return TwipsPerInch / logicalDpi(false);
}

int twipsToPixelsX(double twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixelX()));
}

int twipsToPixelsY(double twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixelY()));
}

double pixelsToTwipsX(double pixels)
{
    return pixels * twipsPerPixelX();
}

double pixelsToTwipsY(double pixels)
{
    return pixels * twipsPerPixelY();
}

} // namespace forms
