#pragma once

namespace app::mMain {

// The question font "Bararan" and the title font "Times LatArm" are 8-bit Armenian fonts that a
// machine rarely has. Where they are missing, Qt is told to draw them with an installed font
// that has Armenian letters, so the stored font name stays as chosen and the text stays readable.
void installArmenianFontSubstitutes();

} // namespace app::mMain
