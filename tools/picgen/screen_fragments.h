#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include "toolbar_glyphs.h"

namespace picgen {

// Pieces of a word processor's screen as the question pictures show them: enlarged toolbar
// buttons and boxes, keycaps, opened menus, dialog fragments, rulers and bars.
class ScreenFragments
{
public:
    struct MenuItem
    {
        QString text;
        bool submenu = false;
        bool separator = false;
    };

    static constexpr int ButtonScale = 3;
    static constexpr int BoxScale = 2;

    static QImage toolbarButton(ToolbarGlyphs::Glyph glyph, bool withDropDown = false);
    static QImage toolbarBox(const QString &text, int width);
    static QImage keys(const QStringList &names);
    static QImage menu(const QList<MenuItem> &items);
    static QImage documentIcon(const QString &fileName);
    static QImage closeButton();
    static QImage viewButtons(int pressed);
    static QImage tableGrid(int rows, int columns);
    static QImage statusBar();
    static QImage indentRuler();
    static QImage tabRuler();
    static QImage pageSetupMargins();
    static QImage paragraphSpacing();
    static QImage wordCount();
    static QImage pageNumbers();
};

} // namespace picgen
