#pragma once

#include <QImage>
#include <QString>

// How far two drawings are apart, pixel by pixel, once both are decoded to ARGB. Antialiased
// drawing is not bit-identical from one machine to the next (the blending code differs with the
// processor), so drawn art is compared with a tolerance per channel, never by its file's bytes.
class PixelDifference
{
public:
    PixelDifference(const QImage &expected, const QImage &actual, int channelTolerance);

    bool sameSize() const { return m_sameSize; }
    int pixels() const { return m_pixels; }      // pixels of the expected image
    int differing() const { return m_differing; } // pixels off by more than the tolerance
    int largest() const { return m_largest; }     // the largest channel difference seen

    // True when the sizes agree and no pixel is off by more than the tolerance.
    bool within() const { return m_sameSize && m_differing == 0; }
    QString describe() const;

private:
    bool m_sameSize = false;
    int m_pixels = 0;
    int m_differing = 0;
    int m_largest = 0;
};
