#include "RenderRing.h"

#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <cstring>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define RING_X86 1
#endif

// The ring is computed in single precision throughout, one rounding per
// operation, so the vector lanes below give the same bits as plain float code.
//
// Per pixel, with (u, v) the pixel's place in the unit square:
//   d2 = u² + v²; outside the ellipse (d2 ≥ 1) nothing changes;
//   w = 0.16 inside radius 0.77 (d2 < 0.5929), else 1 − |√d2 − 0.875| × 8;
//   flare: w × 2, and above 1 it folds back (2 − w) over a white base;
//   t = w × strength, s = 1 − t; each colour byte := Round(s × base + t × colour).
//
// Each row splits into spans: outside, ring, inner disc, ring, outside. They
// are contiguous because u is monotonic in x and rounding is monotonic, so
// d2 along a row falls and then rises. Outside spans are skipped, the inner
// disc needs no square root, and only ring pixels pay for one.

namespace {

constexpr float kInnerDisc = 0.5929f;
constexpr float kInnerWeight = 0.16f;

// Adding 1.5 × 2^23 to a value in [0, 2^22) leaves no fraction bits, so the
// sum is rounded to an integer by the FPU's default mode (nearest, ties to
// even: the same as Round) and its low mantissa bits hold that integer.
constexpr float kRoundMagic = 12582912.0f;

// The widest vector kernel's lanes: the shape pads its columns by this much.
constexpr int kMaxLanes = 8;

struct RingParams
{
    float strength;
    float blue, green, red;
    float innerT, innerS; // the inner disc's t and s
};

using Row = RingShape::Row;

// What the kernels need besides the shape's rows.
struct Target
{
    uchar *bits;
    qsizetype stride;
    int width;
    const float *uu;
};

#if defined(__GNUC__)

// The -Wpsabi note is about passing 32-byte vectors between functions built
// for different instruction sets; these helpers are always inlined.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"

namespace plain {
#include "RenderRingLanes.h"
} // namespace plain

#if defined(RING_X86)
#pragma GCC push_options
#pragma GCC target("avx2")
#define RING_LANES_AVX 1
namespace avx2 {
#include "RenderRingLanes.h"
} // namespace avx2
#undef RING_LANES_AVX
#pragma GCC pop_options
#endif

#pragma GCC diagnostic pop

bool portableKernelOnly = false;

void blendAll(const std::vector<Row> &rows, const Target &target, bool flare, const RingParams &p)
{
#if defined(RING_X86)
    static const bool hasAvx2 = __builtin_cpu_supports("avx2");
    if (hasAvx2 && !portableKernelOnly) {
        avx2::blendRows(rows, target, flare, p);
        return;
    }
#endif
    plain::blendRows(rows, target, flare, p);
}

#else // other compilers: one pixel at a time

bool portableKernelOnly = false;

void blendAll(const std::vector<Row> &rows, const Target &target, bool flare, const RingParams &p)
{
    for (const Row &r : rows) {
        auto *row = reinterpret_cast<quint32 *>(target.bits + r.y * target.stride);
        for (int x = r.first; x <= r.last; ++x) {
            const float d2 = target.uu[x] + r.vv;
            float w =
                d2 < kInnerDisc ? kInnerWeight : 1.0f - std::fabs(std::sqrt(d2) - 0.875f) * 8.0f;
            quint32 px = row[x];
            if (flare) {
                w = 2.0f * w;
                if (w > 1.0f) {
                    w = 2.0f - w;
                    px = 0x00FFFFFFu;
                }
            }
            const float t = w * p.strength;
            const float s = 1.0f - t;
            auto blend = [&](int shift, float c) {
                const float base = float((px >> shift) & 0xFFu);
                return quint32(std::nearbyintf(s * base + t * c)) << shift;
            };
            row[x] = blend(0, p.blue) | blend(8, p.green) | blend(16, p.red) | (px & 0xFF000000u);
        }
    }
}

#endif

} // namespace

void UsePortableRingKernel(bool portableOnly)
{
    portableKernelOnly = portableOnly;
}

RingShape::RingShape(int a, int b, QSize bitmap) : m_size(bitmap)
{
    if (a < 1 || b < 1 || bitmap.isEmpty())
        return;
    const int width = bitmap.width();
    const int lastX = std::min(a, width - 1);
    const int lastY = std::min(b, bitmap.height() - 1);
    const float sx = 2.0f / float(a);
    const float sy = 2.0f / float(b);
    // Columns past the ellipse, and the padding that keeps a last group's
    // reads in bounds, lie outside it.
    m_uu.assign(size_t(width) + kMaxLanes, 2.0f);
    for (int x = 0; x <= lastX; ++x) {
        const float u = float(x) * sx - 1.0f;
        m_uu[x] = u * u;
    }
    const float *uu = m_uu.data();
    for (int y = 0; y <= lastY; ++y) {
        const float v = float(y) * sy - 1.0f;
        const float vv = v * v;
        Row r{y, 0, lastX, 0, 0, vv};
        while (r.first <= r.last && uu[r.first] + vv >= 1.0f)
            ++r.first;
        if (r.first > r.last)
            continue;
        while (uu[r.last] + vv >= 1.0f)
            --r.last;
        r.innerFirst = r.first;
        while (r.innerFirst <= r.last && uu[r.innerFirst] + vv >= kInnerDisc)
            ++r.innerFirst;
        r.innerLast = r.last;
        while (r.innerLast >= r.innerFirst && uu[r.innerLast] + vv >= kInnerDisc)
            --r.innerLast;
        m_rows.push_back(r);
    }
}

void RenderRing(QImage &bitmap, int a, int b, bool flare, TColor colour, float strength)
{
    RenderRing(bitmap, RingShape(a, b, bitmap.size()), flare, colour, strength);
}

void RenderRing(QImage &bitmap, const RingShape &shape, bool flare, TColor colour, float strength)
{
    const QImage::Format format = bitmap.format();
    if (format != QImage::Format_ARGB32 && format != QImage::Format_ARGB32_Premultiplied &&
        format != QImage::Format_RGB32)
        return;
    if (shape.isEmpty() || shape.bitmapSize() != bitmap.size() || !std::isfinite(strength))
        return;

    const TColor rgb = colour.isSystem() ? TColor::fromQColor(colour.toQColor()) : colour;
    RingParams params;
    // With a strength from 0 to 1 every blend stays within 0..255.
    params.strength = std::clamp(strength, 0.0f, 1.0f);
    params.blue = float(rgb.blue());
    params.green = float(rgb.green());
    params.red = float(rgb.red());
    const float innerW = flare ? 2.0f * kInnerWeight : kInnerWeight; // never above 1
    params.innerT = innerW * params.strength;
    params.innerS = 1.0f - params.innerT;

    const Target target{bitmap.bits(), bitmap.bytesPerLine(), bitmap.width(), shape.uu().data()};
    blendAll(shape.rows(), target, flare, params);
}
