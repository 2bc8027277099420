#include "draw/markup_line.h"

namespace draw {

namespace {

// Removes every occurrence of tag from text; says whether there was one.
bool takeTag(QString &text, QLatin1String tag)
{
    if (!text.contains(tag))
        return false;
    text.remove(tag);
    return true;
}

} // namespace

MarkupLine MarkupLine::parse(const QString &line)
{
    MarkupLine out;
    out.text = line;
    // The order counts: each tag is looked for in what the earlier removals left.
    out.bold = takeTag(out.text, QLatin1String("<B>"));
    out.centred = takeTag(out.text, QLatin1String("<C>"));
    out.underline = takeTag(out.text, QLatin1String("<U>"));
    out.fontSize = takeTag(out.text, QLatin1String("<S>")) ? LargeSize : NormalSize;
    if (takeTag(out.text, QLatin1String("<cG>")))
        out.color = forms::rgb(0, 255, 0);
    else if (takeTag(out.text, QLatin1String("<cR>")))
        out.color = forms::rgb(255, 0, 0);
    else if (takeTag(out.text, QLatin1String("<cB>")))
        out.color = forms::rgb(0, 0, 255);
    else
        out.color = 0;
    out.pause = takeTag(out.text, QLatin1String("<P>"));
    return out;
}

} // namespace draw
