#pragma once

// A plain per-pixel ring blend through QImage::pixel/setPixel, written straight
// from the formula with no shortcuts, to hold the scan-line version against.

#include "Rounding.h"
#include "TColor.h"

#include <QImage>
#include <algorithm>
#include <cmath>

inline void RenderRingPerPixel(QImage &bitmap, int a, int b, bool flare, TColor colour,
                               float strength)
{
    if (a < 1 || b < 1)
        return;
    const float sx = float(2.0 / a);
    const float sy = float(2.0 / b);
    for (int y = 0; y <= b && y < bitmap.height(); ++y) {
        for (int x = 0; x <= a && x < bitmap.width(); ++x) {
            const float u = float(double(x) * sx - 1.0);
            const float v = float(double(y) * sy - 1.0);
            const float d2 = float(double(u) * u + double(v) * v);
            if (d2 >= 1.0f)
                continue;
            float w;
            if (double(d2) < 0.5929)
                w = 0.16f;
            else
                w = float(1.0 - std::fabs(std::sqrt(double(d2)) - 0.875) * 8.0);
            QRgb base = bitmap.pixel(x, y);
            if (flare) {
                w = float(2.0 * w);
                if (w > 1.0f) {
                    w = float(2.0 - w);
                    base = 0x00FFFFFFu;
                }
            }
            const float t = float(double(w) * strength);
            const float s = float(1.0 - t);
            auto blend = [&](int baseByte, int colourByte) {
                return std::clamp(Round(double(s) * baseByte + double(t) * colourByte), 0, 255);
            };
            bitmap.setPixel(x, y,
                            qRgba(blend(qRed(base), colour.red()),
                                  blend(qGreen(base), colour.green()),
                                  blend(qBlue(base), colour.blue()), qAlpha(base)));
        }
    }
}
