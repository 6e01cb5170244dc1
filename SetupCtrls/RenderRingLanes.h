// The vector kernel of RenderRing. RenderRing.cpp includes this file once for
// every instruction set it builds the kernel for, each time inside its own
// namespace (and target pragma), so there is no include guard.
//
// Expects from the includer: RingParams, Row, Target, kInnerDisc, kInnerWeight,
// kRoundMagic, kMaxLanes, and on x86 <immintrin.h>. RING_LANES_AVX selects
// 256-bit vectors.

// As many lanes as one register holds: wider vectors would be split and
// spilled.
#if defined(RING_LANES_AVX)
constexpr int kLanes = 8;
#else
constexpr int kLanes = 4;
#endif
static_assert(kLanes <= kMaxLanes);
typedef float VF __attribute__((vector_size(kLanes * sizeof(float))));
typedef qint32 VI __attribute__((vector_size(kLanes * sizeof(qint32))));
typedef quint32 VU __attribute__((vector_size(kLanes * sizeof(quint32))));

template <typename To, typename From> inline __attribute__((always_inline)) To bitsAs(From from)
{
    static_assert(sizeof(To) == sizeof(From));
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

inline __attribute__((always_inline)) void squareRoot(VF &v)
{
#if defined(RING_LANES_AVX)
    v = VF(_mm256_sqrt_ps(__m256(v)));
#elif defined(__SSE__)
    v = VF(_mm_sqrt_ps(__m128(v)));
#else
    for (int i = 0; i < kLanes; ++i)
        v[i] = std::sqrt(v[i]);
#endif
}

// Blends kLanes consecutive pixels with per-lane weights t and s:
// each colour byte := Round(s × byte + t × colour); on crest lanes the base
// is white with fourth byte 0, elsewhere the fourth byte is kept.
inline __attribute__((always_inline)) void blendPixels(quint32 *pixels, const VF &t, const VF &s,
                                                       const VI &crest, const RingParams &p)
{
    VU px;
    std::memcpy(&px, pixels, sizeof px);
    const VU white = VU(crest) & 0xFFu;
    const VF b = __builtin_convertvector(VI((px & 0xFFu) | white), VF);
    const VF g = __builtin_convertvector(VI(((px >> 8) & 0xFFu) | white), VF);
    const VF r = __builtin_convertvector(VI(((px >> 16) & 0xFFu) | white), VF);
    const VU nb = bitsAs<VU>((s * b + t * p.blue) + kRoundMagic);
    const VU ng = bitsAs<VU>((s * g + t * p.green) + kRoundMagic);
    const VU nr = bitsAs<VU>((s * r + t * p.red) + kRoundMagic);
    const VU fourth = px & ~VU(crest) & 0xFF000000u;
    const VU result = (nb & 0xFFu) | ((ng & 0xFFu) << 8) | ((nr & 0xFFu) << 16) | fourth;
    std::memcpy(pixels, &result, sizeof result);
}

// Any pixels: the whole formula, lane by lane; uu holds u² of each one's
// column. Lanes outside the ellipse come out with exactly their old value.
template <bool Flare>
inline __attribute__((always_inline)) void anyLanes(quint32 *pixels, const float *uu, float vv,
                                                    const RingParams &p)
{
    VF d2;
    std::memcpy(&d2, uu, sizeof d2);
    d2 = d2 + vv;
    const VI outside = d2 >= 1.0f;
    const VI inner = d2 < kInnerDisc;
    VF root = d2;
    squareRoot(root);
    const VF dist = bitsAs<VF>(bitsAs<VU>(root - 0.875f) & 0x7FFFFFFFu); // |√d2 − 0.875|
    VF w = 1.0f - dist * 8.0f;
    const VF innerW = VF{} + kInnerWeight;
    w = inner ? innerW : w;
    VI crest = VI{};
    if constexpr (Flare) {
        w = w * 2.0f;
        crest = (w > 1.0f) & ~outside;
        const VF folded = 2.0f - w;
        w = crest ? folded : w;
    }
    // Outside: s = 1 and t = 0 give back every byte unchanged.
    VF t = w * p.strength;
    VF s = 1.0f - t;
    t = outside ? VF{} : t;
    s = outside ? VF{} + 1.0f : s;
    blendPixels(pixels, t, s, crest, p);
}

// Inner-disc pixels: one weight for all.
inline __attribute__((always_inline)) void innerLanes(quint32 *pixels, const RingParams &p)
{
    blendPixels(pixels, VF{} + p.innerT, VF{} + p.innerS, VI{}, p);
}

// One row, kLanes pixels at a time from the first pixel inside the ellipse.
// Groups wholly in the inner disc skip the square root. A group may run past
// the ellipse (those lanes keep their value) but never past the row: the last
// group then goes through a scratch copy.
template <bool Flare>
inline __attribute__((always_inline)) void blendRow(const Row &r, const Target &target,
                                                    const RingParams &p)
{
    auto *row = reinterpret_cast<quint32 *>(target.bits + r.y * target.stride);
    const float *uu = target.uu;
    int x = r.first;
    for (; x <= r.last && x + kLanes <= target.width; x += kLanes) {
        if (x >= r.innerFirst && x + kLanes - 1 <= r.innerLast)
            innerLanes(row + x, p);
        else
            anyLanes<Flare>(row + x, uu + x, r.vv, p);
    }
    if (x <= r.last) {
        quint32 scratch[kLanes] = {};
        const int n = target.width - x;
        std::memcpy(scratch, row + x, n * sizeof(quint32));
        anyLanes<Flare>(scratch, uu + x, r.vv, p);
        std::memcpy(row + x, scratch, n * sizeof(quint32));
    }
}

inline void blendRows(const std::vector<Row> &rows, const Target &target, bool flare,
                      const RingParams &p)
{
    for (const Row &r : rows) {
        if (flare)
            blendRow<true>(r, target, p);
        else
            blendRow<false>(r, target, p);
    }
}
