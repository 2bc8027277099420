#pragma once

// Window and control geometry is kept in twips (1/1440 inch) and shown in device pixels
// through the screen's logical resolution: 15 twips per pixel at 96 dpi.
namespace forms {

constexpr double TwipsPerInch = 1440.0;

double twipsPerPixelX();
double twipsPerPixelY();
int twipsToPixelsX(double twips);
int twipsToPixelsY(double twips);
double pixelsToTwipsX(double pixels);
double pixelsToTwipsY(double pixels);

} // namespace forms
