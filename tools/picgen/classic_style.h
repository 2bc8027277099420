#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

namespace picgen {

// The look of the pictures: a flat grey desktop of around 2000 with one-pixel bevels, navy
// title bars and DejaVu Sans lettering. Every helper draws in device pixels.
class ClassicStyle
{
public:
    static const QColor Face;
    static const QColor Light;
    static const QColor Shadow;
    static const QColor DarkShadow;
    static const QColor Window;
    static const QColor Text;
    static const QColor GrayText;
    static const QColor Highlight;
    static const QColor Pressed;

    static QImage canvas(int width, int height, const QColor &background);
    static QFont font(int pixelSize, bool bold = false, const QString &family = QStringLiteral("DejaVu Sans"));

    // Toolbar buttons: one pixel light top-left and dark bottom-right.
    static void thinRaised(QPainter &painter, const QRect &rect);
    static void thinSunken(QPainter &painter, const QRect &rect);
    // Push buttons, windows and fields: two-pixel bevels.
    static void raised(QPainter &painter, const QRect &rect);
    static void sunken(QPainter &painter, const QRect &rect);

    static void pushButton(QPainter &painter, const QRect &rect, const QString &text, int pixelSize = 11);
    static void field(QPainter &painter, const QRect &rect, const QString &text, int pixelSize = 11);
    static void comboBox(QPainter &painter, const QRect &rect, const QString &text, int pixelSize = 11);
    static void spinBox(QPainter &painter, const QRect &rect, const QString &text, int pixelSize = 11);
    static void checkBox(QPainter &painter, const QPoint &topLeft, const QString &text, bool checked,
                         int pixelSize = 11);
    static void groupBox(QPainter &painter, const QRect &rect, const QString &title, int pixelSize = 11);
    static void label(QPainter &painter, const QRect &rect, const QString &text, int pixelSize = 11,
                      Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter, bool bold = false);
    // A dialog frame with its navy caption, a help button when asked and the close button.
    // Returns the client area.
    static QRect dialogFrame(QPainter &painter, const QRect &rect, const QString &title, bool help);
    static void captionButton(QPainter &painter, const QRect &rect, QChar kind);
    static void tabs(QPainter &painter, const QRect &pane, const QStringList &names, int active);

    static void dropArrow(QPainter &painter, const QPointF &centre, qreal halfWidth, const QColor &colour = Text);
};

} // namespace picgen
