#pragma once

class QWidget;

namespace app::mMain {

// Removes the first entry of the window's system menu (the menu behind the title-bar icon).
// Where the platform has no system menu this does nothing: nothing else is removed and the
// close button stays, which is all the removal promises.
void RemoveSystemMenuItem(QWidget *window);

} // namespace app::mMain
