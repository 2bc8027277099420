#pragma once

#include <QPainter>
#include <QRect>

namespace picgen {

// Button faces drawn with vector shapes on a 16 by 16 grid, so they can be drawn at any size.
// At three pixels per unit the outlines are two pixels wide and fall on whole pixels.
class ToolbarGlyphs
{
public:
    // clang-format off
    enum class Glyph {
        New, Open, Save, Print, PrintPreview, Spelling, Cut, Copy, Paste, FormatPainter,
        Undo, Redo, Hyperlink, TablesAndBorders, InsertTable, InsertWorksheet, Columns, Drawing,
        DocumentMap, ShowHide, Bold, Italic, Underline, AlignLeft, Center, AlignRight, Justify,
        Numbering, Bullets, DecreaseIndent, IncreaseIndent, OutsideBorder, Highlight, FontColor,
        ViewNormal, ViewWebLayout, ViewPrintLayout, ViewOutline, WordDocument,
    };
    // clang-format on

    static constexpr int GridSize = 16;

    // Draws the glyph scaled to fill the square target.
    static void draw(QPainter &painter, Glyph glyph, const QRectF &target);

private:
    static void drawInGrid(QPainter &painter, Glyph glyph);
};

} // namespace picgen
