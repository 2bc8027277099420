#pragma once

#include "forms/control.h"
#include "forms/raster_surface.h"

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

namespace forms {

class PictureSurfaceWidget;

// A picture area with a persistent drawing surface. Everything drawn goes into an image of the
// inner area (the widget minus its border) and stays there until it is cleared, whether the area
// is covered, hidden or resized. Coordinates are in the area's scale, twips or pixels, measured
// from the inner top-left corner; DrawText and ScrollUp work in pixels whatever the scale.
// Text on the surface is drawn without antialiasing, so printing the same text twice at the
// same place gives exactly the same pixels. The widget is also the container of child controls.
class PictureBox : public Control
{
    Q_OBJECT
public:
    enum ScaleModeValue { Twips = 1, Pixels = 3 };

    enum BorderStyleValue { NoBorder = 0, FixedSingle = 1 };

    enum AppearanceValue { Flat = 0, ThreeD = 1 };

    enum TextFormat { AlignLeft = 0, AlignCenter = 1 };

    PictureBox(Parent parent, const QString &name);

    int ScaleMode() const { return m_scaleMode; }

    void setScaleMode(int mode); // throws PropertyError for anything but Twips or Pixels
    void setScaleModePixels(bool pixels);
    double ScaleWidth() const; // inner area, in the scale
    double ScaleHeight() const;

    int BorderStyle() const { return m_borderStyle; }

    void setBorderStyle(int style); // throws PropertyError for anything but 0 or 1

    int Appearance() const { return m_appearance; }

    void setAppearance(int appearance); // throws PropertyError for anything but 0 or 1

    bool AutoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool on) { m_autoRedraw = on; }
    bool AutoSize() const { return m_autoSize; }

    void setAutoSize(bool on);

    double CurrentX() const { return m_currentX; }
    double CurrentY() const { return m_currentY; }
    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }

    // Prints one line at the current position; afterwards CurrentX is 0 and CurrentY has moved
    // down by the text's height. Never wraps; whatever lies outside the area is cut off.
    void Print(const QString &text);
    double TextWidth(const QString &text) const; // in the scale, in the current font
    double TextHeight(const QString &text) const;

    void Cls(); // erases to BackColor (showing Picture again) and resets the position
    void Refresh();
    // A straight line in the scale; box draws the outline of the rectangle with both corners
    // included. A plain line leaves out its end point.
    void Line(double x1, double y1, double x2, double y2, ColorValue color, bool box = false);
    // Paints an image at its natural size with its top-left corner at (x, y), cut at the edges.
    void PaintPicture(const QImage &picture, double x, double y);

    // The picture shown as background; setting it recomposes the surface (BackColor, then the
    // picture at the top-left corner). With AutoSize the control takes the picture's size.
    QImage Picture() const { return m_picture; }

    void setPicture(const QImage &picture);

    void setPictureFromDrawing() { setPicture(Image()); }

    QImage Image() const; // a copy of what is drawn now

    void setBackColor(ColorValue color) override; // erases the drawing

    // Device-level operations in pixels of the inner area. rect is a QRect (width and height as
    // usual in Qt: a Win32 rectangle (l, t, r, b) is QRect(l, t, r - l, b - t)).
    // DrawText draws one line in the current font and ForeColor, left-aligned or centred
    // between the rectangle's sides, from its top, cut at its edges; the background shows through.
    void DrawText(const QRect &rect, const QString &text, int format);
    // Moves the pixels inside rect up by one pixel. The top row of rect is lost, the bottom row
    // keeps its pixels; nothing outside rect changes.
    void ScrollUp(const QRect &rect);

protected:
    void applyColors() override;
    void applyGeometry() override;

private:
    friend class PictureSurfaceWidget;

    void paint(QPainter &painter, const QRect &exposed) const;
    int borderWidth() const;
    QRect innerRect() const; // in widget coordinates
    // The surface is allocated when first drawn into; until then the box shows its back colour.
    // ensureSurface() makes it exist at the box's size, followSize() only keeps an existing one
    // in step with the box.
    void ensureSurface();
    void followSize();
    void fillSurface();
    QFont surfaceFont() const;
    double toPixelsX(double x) const;
    double toPixelsY(double y) const;
    double fromPixelsX(double px) const;
    double fromPixelsY(double px) const;
    void updatePixels(const QRect &pixels);
    void fitToPicture();

    RasterSurface m_surface;
    bool m_surfaceInUse = false;
    QImage m_picture;
    int m_scaleMode = Twips;
    int m_borderStyle = FixedSingle;
    int m_appearance = ThreeD;
    bool m_autoRedraw = false;
    bool m_autoSize = false;
    double m_currentX = 0;
    double m_currentY = 0;
};

} // namespace forms
