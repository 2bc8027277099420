#include "question_pictures.h"

#include "rle8_bmp_writer.h"
#include "screen_fragments.h"

#include <QDir>
#include <QMap>

#include <functional>

namespace picgen {

using F = ScreenFragments;
using Glyph = ToolbarGlyphs::Glyph;

namespace {

using Item = ScreenFragments::MenuItem;

// The menus show no shortcut keys: other questions ask for them.
Item entry(const char *text, bool submenu = false)
{
    return {QString::fromLatin1(text), submenu, false};
}

Item separator()
{
    return {QString(), false, true};
}

QList<Item> fileMenu()
{
    return {entry("New..."),        entry("Open..."),    entry("Close"), separator(),
            entry("Save"),          entry("Save As..."), separator(),    entry("Page Setup..."),
            entry("Print Preview"), entry("Print..."),   separator(),    entry("Exit")};
}

QList<Item> editMenu()
{
    return {entry("Undo Typing"), entry("Repeat Typing"),    separator(),      entry("Cut"),        entry("Copy"),
            entry("Paste"),       entry("Paste Special..."), entry("Clear"),   entry("Select All"), separator(),
            entry("Find..."),     entry("Replace..."),       entry("Go To...")};
}

QList<Item> formatMenu()
{
    return {entry("Font..."),
            entry("Paragraph..."),
            entry("Bullets and Numbering..."),
            entry("Borders and Shading..."),
            entry("Columns..."),
            entry("Tabs..."),
            entry("Drop Cap..."),
            entry("Change Case...")};
}

QList<Item> insertMenu()
{
    return {entry("Break..."),
            entry("Page Numbers..."),
            entry("Date and Time..."),
            entry("Symbol..."),
            separator(),
            entry("Comment"),
            entry("Footnote..."),
            separator(),
            entry("Picture", true),
            entry("Text Box"),
            entry("File..."),
            separator(),
            entry("Hyperlink...")};
}

using Painter = std::function<QImage()>;

Painter button(Glyph glyph, bool withDropDown = false)
{
    return [=] { return F::toolbarButton(glyph, withDropDown); };
}

Painter keys(const QStringList &names)
{
    return [=] { return F::keys(names); };
}

Painter ctrl(const char *key)
{
    return keys({QStringLiteral("Ctrl"), QString::fromLatin1(key)});
}

const QMap<int, Painter> &painters()
{
    static const QMap<int, Painter> table = {
        {101, [] { return F::documentIcon(QStringLiteral("Report.doc")); }},
        {102, button(Glyph::New)},
        {103, button(Glyph::Open)},
        {104, button(Glyph::Save)},
        {105, button(Glyph::Print)},
        {107, button(Glyph::PrintPreview)},
        {108, button(Glyph::Spelling)},
        {109, button(Glyph::Cut)},
        {110, button(Glyph::Copy)},
        {111, button(Glyph::Paste)},
        {112, button(Glyph::FormatPainter)},
        {113, button(Glyph::Undo, true)},
        {114, button(Glyph::Redo, true)},
        {115, button(Glyph::Hyperlink)},
        {116, button(Glyph::TablesAndBorders)},
        {117, button(Glyph::InsertWorksheet)},
        {118, button(Glyph::InsertTable)},
        {119, button(Glyph::Columns)},
        {120, button(Glyph::Drawing)},
        {121, button(Glyph::DocumentMap)},
        {122, button(Glyph::ShowHide)},
        {123, [] { return F::toolbarBox(QStringLiteral("100%"), 130); }},
        {124, button(Glyph::Bold)},
        {125, button(Glyph::Italic)},
        {126, button(Glyph::Underline)},
        {127, button(Glyph::AlignLeft)},
        {128, button(Glyph::Center)},
        {129, button(Glyph::AlignRight)},
        {130, button(Glyph::Justify)},
        {131, button(Glyph::Numbering)},
        {132, button(Glyph::Bullets)},
        {133, button(Glyph::DecreaseIndent)},
        {134, button(Glyph::IncreaseIndent)},
        {135, button(Glyph::OutsideBorder, true)},
        {136, button(Glyph::Highlight)},
        {137, button(Glyph::FontColor)},
        {138, [] { return F::toolbarBox(QStringLiteral("Normal"), 200); }},
        {139, [] { return F::closeButton(); }},
        {140, [] { return F::toolbarBox(QStringLiteral("Times New Roman"), 290); }},
        {141, [] { return F::toolbarBox(QStringLiteral("12"), 90); }},
        {142, [] { return F::indentRuler(); }},
        {143, [] { return F::tabRuler(); }},
        {144, ctrl("B")},
        {145, ctrl("I")},
        {146, ctrl("U")},
        {147, ctrl("Z")},
        {148, ctrl("C")},
        {149, ctrl("V")},
        {150, ctrl("X")},
        {151, ctrl("S")},
        {152, ctrl("P")},
        {153, ctrl("A")},
        {154, ctrl("E")},
        {155, ctrl("Enter")},
        {156, keys({QStringLiteral("Shift"), QStringLiteral("F3")})},
        {157, keys({QStringLiteral("F7")})},
        {158, ctrl("F")},
        {159, ctrl("H")},
        {160, [] { return F::menu(fileMenu()); }},
        {161, [] { return F::menu(editMenu()); }},
        {162, [] { return F::menu(formatMenu()); }},
        {163, [] { return F::menu(insertMenu()); }},
        {164, [] { return F::pageSetupMargins(); }},
        {165, [] { return F::paragraphSpacing(); }},
        {166, [] { return F::tableGrid(3, 4); }},
        {167, [] { return F::statusBar(); }},
        {168, [] { return F::wordCount(); }},
        {169, [] { return F::pageNumbers(); }},
        {170, [] { return F::viewButtons(2); }},
    };
    return table;
}

} // namespace

QList<int> QuestionPictures::ids()
{
    return painters().keys();
}

QImage QuestionPictures::render(int id)
{
    const auto it = painters().constFind(id);
    return it == painters().cend() ? QImage() : (*it)();
}

bool QuestionPictures::writeAll(const QString &directory, QString *errorString)
{
    const QDir dir(directory);
    for (int id : ids()) {
        if (!Rle8BmpWriter::write(render(id), dir.filePath(QStringLiteral("%1.bmp").arg(id)), errorString))
            return false;
    }
    return true;
}

} // namespace picgen
