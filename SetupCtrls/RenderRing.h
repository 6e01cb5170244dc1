#pragma once

#include "TColor.h"

#include <QImage>

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
