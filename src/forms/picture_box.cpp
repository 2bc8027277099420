#include "forms/picture_box.h"

#include "forms/property_error.h"
#include "forms/units.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>

namespace forms {

// The widget behind a picture area: it shows the owner's surface and border and hosts children.
class PictureSurfaceWidget : public QWidget
{
public:
    explicit PictureSurfaceWidget(PictureBox *owner) : m_owner(owner) { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        m_owner->paint(painter, event->rect());
    }

    void resizeEvent(QResizeEvent *) override { m_owner->followSize(); }

private:
    PictureBox *m_owner;
};

namespace {

QRgb pixelOf(ColorValue value)
{
    return resolveColor(value).rgb();
}

int roundToPixel(double value)
{
    return static_cast<int>(std::lround(value));
}

} // namespace

PictureBox::PictureBox(Parent parent, const QString &name) : Control(parent, new PictureSurfaceWidget(this), name)
{
    applyFont();
    // Nothing to draw on until the box is placed and drawn into; the toolkit's default size
    // would cost a surface of 640 x 480 pixels for every box.
    widget()->resize(0, 0);
}

void PictureBox::setScaleMode(int mode)
{
    if (mode != Twips && mode != Pixels)
        throw PropertyError("scale mode must be twips or pixels");
    // The drawing position stays on the same pixel.
    const double x = toPixelsX(m_currentX);
    const double y = toPixelsY(m_currentY);
    m_scaleMode = mode;
    m_currentX = fromPixelsX(x);
    m_currentY = fromPixelsY(y);
}

void PictureBox::setScaleModePixels(bool pixels)
{
    setScaleMode(pixels ? Pixels : Twips);
}

double PictureBox::ScaleWidth() const
{
    return fromPixelsX(innerRect().width());
}

double PictureBox::ScaleHeight() const
{
    return fromPixelsY(innerRect().height());
}

void PictureBox::setBorderStyle(int style)
{
    if (style != NoBorder && style != FixedSingle)
        throw PropertyError("border style must be 0 or 1");
    m_borderStyle = style;
    followSize();
    widget()->update();
}

void PictureBox::setAppearance(int appearance)
{
    if (appearance != Flat && appearance != ThreeD)
        throw PropertyError("appearance must be 0 or 1");
    m_appearance = appearance;
    followSize();
    widget()->update();
}

void PictureBox::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on)
        fitToPicture();
}

void PictureBox::Print(const QString &text)
{
    ensureSurface();
    const QFont font = surfaceFont();
    const QFontMetricsF metrics(font);
    const double x = toPixelsX(m_currentX);
    const double y = toPixelsY(m_currentY);
    if (!m_surface.image().isNull() && !text.isEmpty()) {
        QPainter painter(&m_surface.image());
        painter.setFont(font);
        painter.setPen(resolveColor(m_foreColor));
        painter.drawText(QPointF(x, y + metrics.ascent()), text);
        // Generous on the sides: italic and bold glyphs may reach past their advance.
        const int slack = int(std::ceil(metrics.height() / 2));
        updatePixels(QRect(int(std::floor(x)) - slack, int(std::floor(y)) - 1,
                           int(std::ceil(metrics.horizontalAdvance(text))) + 2 * slack,
                           int(std::ceil(metrics.height())) + 2));
    }
    m_currentX = 0;
    m_currentY += fromPixelsY(metrics.height());
}

double PictureBox::TextWidth(const QString &text) const
{
    return fromPixelsX(QFontMetricsF(surfaceFont()).horizontalAdvance(text));
}

double PictureBox::TextHeight(const QString &) const
{
    return fromPixelsY(QFontMetricsF(surfaceFont()).height());
}

void PictureBox::Cls()
{
    if (m_surfaceInUse)
        fillSurface();
    m_currentX = 0;
    m_currentY = 0;
    widget()->update();
}

void PictureBox::Refresh()
{
    if (widget()->isVisible())
        widget()->repaint();
    else
        widget()->update();
}

void PictureBox::Line(double x1, double y1, double x2, double y2, ColorValue color, bool box)
{
    ensureSurface();
    if (m_surface.image().isNull())
        return;
    const QPoint from(roundToPixel(toPixelsX(x1)), roundToPixel(toPixelsY(y1)));
    const QPoint to(roundToPixel(toPixelsX(x2)), roundToPixel(toPixelsY(y2)));
    const QRect bounds = QRect(from, to).normalized();
    if (box)
        m_surface.drawBox(bounds, pixelOf(color));
    else
        m_surface.drawLine(from, to, pixelOf(color));
    updatePixels(bounds);
}

void PictureBox::PaintPicture(const QImage &picture, double x, double y)
{
    ensureSurface();
    if (m_surface.image().isNull() || picture.isNull())
        return;
    const QPoint at(roundToPixel(toPixelsX(x)), roundToPixel(toPixelsY(y)));
    QPainter painter(&m_surface.image());
    painter.drawImage(at, picture);
    updatePixels(QRect(at, picture.size()));
}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    if (m_autoSize)
        fitToPicture();
    ensureSurface();
    fillSurface();
    widget()->update();
}

QImage PictureBox::Image() const
{
    if (m_surfaceInUse)
        return m_surface.copy();
    const QSize size = innerRect().size();
    if (size.isEmpty())
        return QImage();
    QImage blank(size, QImage::Format_RGB32);
    blank.fill(pixelOf(m_backColor));
    return blank;
}

void PictureBox::setBackColor(ColorValue color)
{
    Control::setBackColor(color);
    if (m_surfaceInUse)
        fillSurface();
    widget()->update();
}

void PictureBox::DrawText(const QRect &rect, const QString &text, int format)
{
    ensureSurface();
    const QRect target = rect.normalized() & m_surface.image().rect();
    if (target.isEmpty() || text.isEmpty())
        return;
    int alignment = Qt::AlignLeft;
    if (format & AlignCenter)
        alignment = Qt::AlignHCenter;
    QPainter painter(&m_surface.image());
    painter.setClipRect(target);
    painter.setFont(surfaceFont());
    painter.setPen(resolveColor(m_foreColor));
    painter.drawText(rect.normalized(), alignment | Qt::AlignTop | Qt::TextSingleLine, text);
    updatePixels(target);
}

void PictureBox::ScrollUp(const QRect &rect)
{
    ensureSurface();
    updatePixels(m_surface.scrollUp(rect));
}

void PictureBox::applyColors()
{
    Control::applyColors();
    // The surface paints every pixel itself.
    widget()->setAutoFillBackground(false);
    widget()->update();
}

void PictureBox::applyGeometry()
{
    Control::applyGeometry();
    followSize();
}

void PictureBox::paint(QPainter &painter, const QRect &exposed) const
{
    // At a fractional scale the edges of logical pixels fall inside device pixels, and a device
    // pixel cut by the edge of the exposed rectangle, of the inner area or of a border line may be
    // left out by all of them. So everything reaches one logical pixel further than was exposed,
    // the back colour first (the paint clip keeps it to the box): every device pixel is painted.
    const QRect reach = exposed.adjusted(-1, -1, 1, 1);
    const QRect inner = innerRect();
    painter.fillRect(reach, resolveColor(m_backColor));
    if (m_surfaceInUse && !m_surface.image().isNull()) {
        const QImage &surface = m_surface.image();
        const QRect target = reach & inner & QRect(inner.topLeft(), surface.size());
        if (!target.isEmpty())
            painter.drawImage(target, surface, target.translated(-inner.topLeft()));
    }
    const QRect outer = widget()->rect();
    if (m_borderStyle == NoBorder || outer.isEmpty())
        return;
    if (m_appearance == ThreeD) {
        qDrawWinPanel(&painter, outer, QApplication::palette(), true);
    } else {
        painter.setPen(resolveColor(SystemColor::WindowText));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(outer.adjusted(0, 0, -1, -1));
    }
}

int PictureBox::borderWidth() const
{
    if (m_borderStyle == NoBorder)
        return 0;
    return m_appearance == ThreeD ? 2 : 1;
}

QRect PictureBox::innerRect() const
{
    const int border = borderWidth();
    const QRect outer = widget()->rect();
    return QRect(border, border, std::max(0, outer.width() - 2 * border), std::max(0, outer.height() - 2 * border));
}

void PictureBox::followSize()
{
    if (m_surfaceInUse)
        ensureSurface();
}

void PictureBox::ensureSurface()
{
    m_surfaceInUse = true;
    const QSize size = innerRect().size();
    if (m_surface.size() != size)
        m_surface.resize(size, pixelOf(m_backColor), m_picture);
}

void PictureBox::fillSurface()
{
    m_surface.fill(pixelOf(m_backColor), m_picture);
}

QFont PictureBox::surfaceFont() const
{
    QFont f = font();
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

double PictureBox::toPixelsX(double x) const
{
    return m_scaleMode == Pixels ? x : x / twipsPerPixelX();
}

double PictureBox::toPixelsY(double y) const
{
    return m_scaleMode == Pixels ? y : y / twipsPerPixelY();
}

double PictureBox::fromPixelsX(double px) const
{
    return m_scaleMode == Pixels ? px : pixelsToTwipsX(px);
}

double PictureBox::fromPixelsY(double px) const
{
    return m_scaleMode == Pixels ? px : pixelsToTwipsY(px);
}

void PictureBox::updatePixels(const QRect &pixels)
{
    const QRect inner = innerRect();
    const QRect area = pixels.translated(inner.topLeft()) & inner;
    if (!area.isEmpty())
        widget()->update(area);
}

void PictureBox::fitToPicture()
{
    if (m_picture.isNull())
        return;
    const int border = 2 * borderWidth();
    Move(Left(), Top(), pixelsToTwipsX(m_picture.width() + border), pixelsToTwipsY(m_picture.height() + border));
}

} // namespace forms
