// Renders the idle, flare and lit rings of a 65 × 65 highlight over a piece of
// the board photograph, with the scan-line RenderRing (the widest kernel the
// processor runs and the 128-bit one; with one shape for the three images as
// a highlight does, and with three separate calls) and with the per-pixel
// QImage::pixel/setPixel reference, interleaved in one run. Checks that all
// give the same pixels and prints the median time of each in ns per pixel.
//
// usage: bench_renderring [repetitions]   (default 3000)

#include "RenderRing.h"
#include "RingReference.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Look
{
    bool flare;
    float strength;
};
constexpr Look kLooks[] = {{false, 0.5f}, {true, 1.0f}, {false, 0.75f}};

// One repetition: fresh copies of the photograph, then the three rings the
// way a highlight renders them.
template <typename Render> qint64 renderThree(Render render, const QImage &photo, QImage (&out)[3])
{
    for (QImage &image : out) {
        image = photo.copy();
        image.bits(); // own the pixels before the clock starts
    }
    QElapsedTimer clock;
    clock.start();
    render(out);
    return clock.nsecsElapsed();
}

double median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? double(values[n / 2]) : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    Q_INIT_RESOURCE(template);
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3000;

    const QImage board(QStringLiteral(":/assets/board.jpg"));
    if (board.isNull()) {
        std::fprintf(stderr, "bench_renderring: the board photograph could not be read\n");
        return 1;
    }
    // Around the jumper blocks, where the product's highlights sit.
    const QImage photo = board.convertToFormat(QImage::Format_ARGB32).copy(196, 0, 65, 65);

    const int a = photo.width() - 1;
    const int b = photo.height() - 1;
    // As a highlight does it: one shape for its size, three blends.
    auto withShape = [&](QImage(&out)[3]) {
        const RingShape shape(a, b, photo.size());
        for (int i = 0; i < 3; ++i)
            RenderRing(out[i], shape, kLooks[i].flare, clYellow, kLooks[i].strength);
    };
    // Three independent calls, each working out the shape again.
    auto separately = [&](QImage(&out)[3]) {
        for (int i = 0; i < 3; ++i)
            RenderRing(out[i], a, b, kLooks[i].flare, clYellow, kLooks[i].strength);
    };
    auto reference = [&](QImage(&out)[3]) {
        for (int i = 0; i < 3; ++i)
            RenderRingPerPixel(out[i], a, b, kLooks[i].flare, clYellow, kLooks[i].strength);
    };

    // Each way of rendering, timed in turn within every repetition.
    struct Way
    {
        const char *name;
        bool portable;
        bool shape;
        std::vector<qint64> times;
        QImage out[3];
    };
    Way ways[] = {
        {"scan lines, one shape", false, true, {}, {}},
        {"scan lines, three separate calls", false, false, {}, {}},
        {"128-bit kernel, one shape", true, true, {}, {}},
        {"128-bit kernel, separate calls", true, false, {}, {}},
    };
    std::vector<qint64> perPixel;
    QImage slow[3];
    for (int r = 0; r < repetitions; ++r) {
        for (Way &way : ways) {
            UsePortableRingKernel(way.portable);
            if (way.shape)
                way.times.push_back(renderThree(withShape, photo, way.out));
            else
                way.times.push_back(renderThree(separately, photo, way.out));
        }
        perPixel.push_back(renderThree(reference, photo, slow));
    }
    UsePortableRingKernel(false);
    for (const Way &way : ways) {
        for (int i = 0; i < 3; ++i) {
            if (way.out[i] != slow[i]) {
                std::fprintf(stderr, "bench_renderring: %s: image %d differs from the reference\n",
                             way.name, i);
                return 1;
            }
        }
    }

    const double pixels = 3.0 * photo.width() * photo.height();
    const double slowNs = median(perPixel);
    std::printf("three rings of %d x %d (median of %d repetitions), identical pixels\n",
                photo.width(), photo.height(), repetitions);
    std::printf("%-34s %6.2f ns/pixel %7.1f us per highlight\n",
                "pixel()/setPixel() reference:", slowNs / pixels, slowNs / 1000.0);
    for (const Way &way : ways) {
        const double ns = median(way.times);
        std::printf("%-34s %6.2f ns/pixel %7.1f us per highlight %6.1f x faster\n",
                    (QByteArray(way.name) + ':').constData(), ns / pixels, ns / 1000.0,
                    slowNs / ns);
    }
    return 0;
}
