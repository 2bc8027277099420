#include "forms/color_value.h"

#include <QGuiApplication>
#include <QPalette>

namespace forms {
namespace {

QColor systemColor(unsigned index)
{
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 0: return palette.color(QPalette::Dark);      // scroll bars
    case 1: return palette.color(QPalette::Window);    // desktop
    case 2: return palette.color(QPalette::Highlight); // active title bar
    case 3: return palette.color(QPalette::Inactive, QPalette::Highlight);
    case 4: return palette.color(QPalette::Window);          // menu bar
    case 5: return palette.color(QPalette::Base);            // window background
    case 6: return palette.color(QPalette::Shadow);          // window frame
    case 7: return palette.color(QPalette::WindowText);      // menu text
    case 8: return palette.color(QPalette::Text);            // window text
    case 9: return palette.color(QPalette::HighlightedText); // title bar text
    case 12: return palette.color(QPalette::Window);         // application workspace
    case 13: return palette.color(QPalette::Highlight);
    case 14: return palette.color(QPalette::HighlightedText);
    case 15: return palette.color(QPalette::Button); // button face
    case 16: return palette.color(QPalette::Dark);   // button shadow
    case 17: return palette.color(QPalette::Disabled, QPalette::Text);
    case 18: return palette.color(QPalette::ButtonText);
    case 20: return palette.color(QPalette::Light);    // 3-D highlight
    case 21: return palette.color(QPalette::Shadow);   // 3-D dark shadow
    case 22: return palette.color(QPalette::Midlight); // 3-D light
    case 23: return palette.color(QPalette::ToolTipText);
    case 24: return palette.color(QPalette::ToolTipBase);
    default: return palette.color(QPalette::Window);
    }
}

} // namespace

QColor resolveColor(ColorValue value)
{
    if (isSystemColor(value))
        return systemColor(value & 0xFFu);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

} // namespace forms
