#pragma once

// A plain per-pixel ring blend through QImage::pixel/setPixel, written straight
// from the formula with no shortcuts, to hold the scan-line version against.
// Single-precision arithmetic throughout, as RenderRing does.

#include "Rounding.h"
#include "TColor.h"

#include <QImage>
#include <cmath>

inline void RenderRingPerPixel(QImage &bitmap, int a, int b, bool flare, TColor colour,
                               float strength)
{
    if (a < 1 || b < 1)
        return;
    const float sx = 2.0f / float(a);
    const float sy = 2.0f / float(b);
    for (int y = 0; y <= b && y < bitmap.height(); ++y) {
        for (int x = 0; x <= a && x < bitmap.width(); ++x) {
            const float u = float(x) * sx - 1.0f;
            const float v = float(y) * sy - 1.0f;
            const float d2 = u * u + v * v;
            if (d2 >= 1.0f)
                continue;
            float w;
            if (d2 < 0.5929f)
                w = 0.16f;
            else
                w = 1.0f - std::fabs(std::sqrt(d2) - 0.875f) * 8.0f;
            QRgb base = bitmap.pixel(x, y);
            if (flare) {
                w = 2.0f * w;
                if (w > 1.0f) {
                    w = 2.0f - w;
                    base = 0x00FFFFFFu;
                }
            }
            const float t = w * strength;
            const float s = 1.0f - t;
            auto blend = [&](int baseByte, int colourByte) {
                return Round(s * float(baseByte) + t * float(colourByte));
            };
            bitmap.setPixel(x, y,
                            qRgba(blend(qRed(base), colour.red()),
                                  blend(qGreen(base), colour.green()),
                                  blend(qBlue(base), colour.blue()), qAlpha(base)));
        }
    }
}
