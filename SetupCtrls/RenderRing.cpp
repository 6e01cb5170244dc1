#include "RenderRing.h"

#include <QVarLengthArray>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace {

// Byte positions of a 32-bit pixel (0xAARRGGBB in memory order).
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr int kBlue = 0, kGreen = 1, kRed = 2, kFourth = 3;
#else
constexpr int kBlue = 3, kGreen = 2, kRed = 1, kFourth = 0;
#endif

// Radius² of the evenly tinted inner disc (radius 0.77).
constexpr double kInnerDisc = 0.5929;

// Halves to even, like Round, for the non-negative values a blend produces.
// Adding 1.5 × 2^52 leaves no fraction bits, so the FPU's default rounding
// (nearest, ties to even) does the work without a library call.
inline int roundBlend(double value)
{
    constexpr double magic = 6755399441055744.0;
    return int((value + magic) - magic);
}

inline uchar toByte(double value)
{
    return uchar(std::clamp(roundBlend(value), 0, 255));
}

} // namespace

void RenderRing(QImage &bitmap, int a, int b, bool flare, TColor colour, float strength)
{
    const QImage::Format format = bitmap.format();
    if (format != QImage::Format_ARGB32 && format != QImage::Format_ARGB32_Premultiplied &&
        format != QImage::Format_RGB32)
        return;
    if (a < 1 || b < 1 || !std::isfinite(strength))
        return;
    strength = std::clamp(strength, 0.0f, 1.0f);
    const int lastX = std::min(a, bitmap.width() - 1);
    const int lastY = std::min(b, bitmap.height() - 1);
    if (lastX < 0 || lastY < 0)
        return;

    const TColor rgb = colour.isSystem() ? TColor::fromQColor(colour.toQColor()) : colour;
    int component[4] = {};
    component[kBlue] = rgb.blue();
    component[kGreen] = rgb.green();
    component[kRed] = rgb.red();

    // Every named value is held in single precision; the arithmetic that
    // produces it runs in double and is rounded once when it is stored.
    const float sx = float(2.0 / a);
    const float sy = float(2.0 / b);

    // u² per column; a float squared is exact in double.
    QVarLengthArray<double, 256> uu(lastX + 1);
    for (int x = 0; x <= lastX; ++x) {
        const float u = float(double(x) * sx - 1.0);
        uu[x] = double(u) * u;
    }

    // The inner disc has one weight, so its blend depends on the base byte
    // alone: remember each result the first time it is needed.
    float innerW = 0.16f;
    if (flare)
        innerW = float(2.0 * innerW);
    const float innerT = float(double(innerW) * strength);
    const float innerS = float(1.0 - innerT);
    qint16 inner[4][256];
    std::fill(&inner[0][0], &inner[0][0] + 4 * 256, qint16(-1));
    auto innerBlend = [&](int channel, uchar base) {
        qint16 &slot = inner[channel][base];
        if (slot < 0)
            slot = toByte(double(innerS) * base + double(innerT) * component[channel]);
        return uchar(slot);
    };

    uchar *const bits = bitmap.bits();
    const qsizetype stride = bitmap.bytesPerLine();
    for (int y = 0; y <= lastY; ++y) {
        const float v = float(double(y) * sy - 1.0);
        const double vv = double(v) * v;
        uchar *p = bits + y * stride;
        for (int x = 0; x <= lastX; ++x, p += 4) {
            const float d2 = float(uu[x] + vv);
            if (d2 >= 1.0f)
                continue;
            if (double(d2) < kInnerDisc) {
                p[kBlue] = innerBlend(kBlue, p[kBlue]);
                p[kGreen] = innerBlend(kGreen, p[kGreen]);
                p[kRed] = innerBlend(kRed, p[kRed]);
                continue;
            }
            float w = float(1.0 - std::fabs(std::sqrt(double(d2)) - 0.875) * 8.0);
            if (flare) {
                w = float(2.0 * w);
                if (w > 1.0f) {
                    w = float(2.0 - w);
                    p[kBlue] = p[kGreen] = p[kRed] = 255;
                    p[kFourth] = 0;
                }
            }
            const float t = float(double(w) * strength);
            const float s = float(1.0 - t);
            for (int c : {kBlue, kGreen, kRed})
                p[c] = toByte(double(s) * p[c] + double(t) * component[c]);
        }
    }
}
