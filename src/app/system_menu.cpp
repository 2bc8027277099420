#include "app/system_menu.h"

#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace app::mMain {

void RemoveSystemMenuItem(QWidget *window)
{
#ifdef Q_OS_WIN
    if (HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window->winId()), FALSE))
        RemoveMenu(menu, 0, MF_BYPOSITION);
#else
    Q_UNUSED(window);
#endif
}

} // namespace app::mMain
