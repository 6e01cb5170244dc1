#pragma once

#include "TColor.h"

#include <QImage>
#include <QSize>
#include <vector>

// Where the ring of the ellipse inscribed in columns 0..a and rows 0..b falls
// in a bitmap of the given size. Working it out costs about as much as one
// blend, so a highlight makes one and blends its three images with it.
class RingShape
{
public:
    RingShape(int a, int b, QSize bitmap);

    QSize bitmapSize() const { return m_size; }
    // Nothing to blend: a or b below 1, or an empty bitmap.
    bool isEmpty() const { return m_rows.empty(); }

    struct Row
    {
        int y;
        int first, last;           // inside the ellipse
        int innerFirst, innerLast; // inside radius 0.77; empty when innerFirst > innerLast
        float vv;                  // v²
    };
    const std::vector<Row> &rows() const { return m_rows; }
    // u² per column, padded past the bitmap with values outside the ellipse.
    const std::vector<float> &uu() const { return m_uu; }

private:
    QSize m_size;
    std::vector<float> m_uu;
    std::vector<Row> m_rows;
};

// Blends a soft ring of `colour` into a 32-bit bitmap in place: the ellipse
// inscribed in columns 0..a and rows 0..b gets a light tint inside radius 0.77
// and a ring that peaks at radius 0.875 and fades out at the rim; pixels on or
// outside the rim keep their value. With `flare` the ring is doubled and its
// crest turns white. `strength` (0 to 1) scales the blend.
//
// The bitmap must be Format_ARGB32, Format_ARGB32_Premultiplied or
// Format_RGB32; other formats, a or b below 1, and pixels beyond the bitmap's
// size are left alone. The fourth byte of each pixel is kept, except on the
// flare crest, where it becomes 0.
void RenderRing(QImage &bitmap, int a, int b, bool flare, TColor colour, float strength);

// The same with a shape made for this bitmap's size; a bitmap of another size
// is left alone.
void RenderRing(QImage &bitmap, const RingShape &shape, bool flare, TColor colour, float strength);

// RenderRing runs the widest vector kernel the processor has. With true it
// keeps to the 128-bit one every build has, so tests can check both; they
// give the same pixels.
void UsePortableRingKernel(bool portableOnly);
