#include "RenderRing.h"
#include "RingReference.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// B 100, G 50, R 200, fourth byte 0x80 everywhere.
constexpr QRgb kBase = 0x80C83264;

QImage filled(int w, int h, QRgb pixel = kBase)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(pixel);
    return image;
}

QImage noise(int w, int h, quint32 seed)
{
    QImage image(w, h, QImage::Format_ARGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, random.generate());
    return image;
}

// The bytes of one pixel in memory order: blue, green, red, fourth.
QByteArray bytesAt(const QImage &image, int x, int y)
{
    return QByteArray(reinterpret_cast<const char *>(image.constScanLine(y)) + 4 * x, 4);
}

QByteArray bgra(int b, int g, int r, int fourth)
{
    const char bytes[] = {char(b), char(g), char(r), char(fourth)};
    return QByteArray(bytes, 4);
}

struct Look
{
    bool flare;
    float strength;
};
const Look kIdle{false, 0.5f}, kLit{false, 0.75f}, kFlare{true, 1.0f};

} // namespace

class tst_RenderRing : public QObject
{
    Q_OBJECT

private slots:
    // A 17 × 17 bitmap, a = b = 16, so u = x / 8 − 1 and v = y / 8 − 1; the
    // yellow ring (B 0, G 255, R 255) at the three strengths of a settings
    // highlight. Expected bytes worked out from the formula:
    //   centre (8, 8): d2 = 0, w = 0.16; flare w = 0.32 keeps the base.
    //   crest (15, 8): d2 = 0.765625, √d2 = 0.875, w = 1; idle t = s = 0.5 gives
    //     G 152.5 → 152 and R 227.5 → 228 (halves to even); flare w = 2 → 0 on
    //     a white base with fourth byte 0.
    //   (15, 11): d2 = 58/64, w = 0.384227; flare w = 0.768454 keeps the base.
    //   (14, 11): d2 = 45/64, w = 0.708204; flare w = 1.416408 → 0.583592 on white.
    //   rim (16, 8): d2 = 1 and corner (0, 0): d2 = 2, untouched.
    void pixels_data()
    {
        QTest::addColumn<bool>("flare");
        QTest::addColumn<float>("strength");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QByteArray>("expected");

        const QByteArray base = bgra(100, 50, 200, 0x80);
        struct Row
        {
            const char *name;
            Look look;
            QPoint at;
            QByteArray expected;
        } const rows[] = {
            {"centre idle", kIdle, {8, 8}, bgra(92, 66, 204, 0x80)},
            {"centre lit", kLit, {8, 8}, bgra(88, 75, 207, 0x80)},
            {"centre flare", kFlare, {8, 8}, bgra(68, 116, 218, 0x80)},
            {"crest idle", kIdle, {15, 8}, bgra(50, 152, 228, 0x80)},
            {"crest lit", kLit, {15, 8}, bgra(25, 204, 241, 0x80)},
            {"crest flare", kFlare, {15, 8}, bgra(255, 255, 255, 0)},
            {"outer ring idle", kIdle, {15, 11}, bgra(81, 89, 211, 0x80)},
            {"outer ring lit", kLit, {15, 11}, bgra(71, 109, 216, 0x80)},
            {"outer ring flare", kFlare, {15, 11}, bgra(23, 208, 242, 0x80)},
            {"inner ring idle", kIdle, {14, 11}, bgra(65, 123, 219, 0x80)},
            {"inner ring lit", kLit, {14, 11}, bgra(47, 159, 229, 0x80)},
            {"inner ring flare", kFlare, {14, 11}, bgra(106, 255, 255, 0)},
            {"rim idle", kIdle, {16, 8}, base},
            {"rim flare", kFlare, {16, 8}, base},
            {"corner lit", kLit, {0, 0}, base},
            {"corner flare", kFlare, {0, 0}, base},
        };
        for (const Row &r : rows)
            QTest::newRow(r.name) << r.look.flare << r.look.strength << r.at << r.expected;
    }

    void pixels()
    {
        QFETCH(bool, flare);
        QFETCH(float, strength);
        QFETCH(QPoint, at);
        QFETCH(QByteArray, expected);
        QImage image = filled(17, 17);
        RenderRing(image, 16, 16, flare, clYellow, strength);
        QCOMPARE(bytesAt(image, at.x(), at.y()), expected);
    }

    // Random photographs of the product's highlight sizes, the default size
    // and an ellipse smaller than its bitmap, against the per-pixel reference:
    // every pixel, four looks, both vector kernels.
    void matchesPerPixelBlend_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("colour");
        QTest::newRow("65 x 65 yellow") << QSize(65, 65) << 64 << 64 << int(clYellow);
        QTest::newRow("29 x 21 blue") << QSize(29, 21) << 28 << 20 << int(clBlue);
        QTest::newRow("18 x 33 red") << QSize(18, 33) << 17 << 32 << int(clRed);
        QTest::newRow("44 x 20 grey") << QSize(44, 20) << 43 << 19 << int(clGray);
        QTest::newRow("2 x 2") << QSize(2, 2) << 1 << 1 << int(clYellow);
        QTest::newRow("ellipse inside a wider bitmap")
            << QSize(53, 40) << 30 << 26 << int(clYellow);
    }

    void matchesPerPixelBlend()
    {
        QFETCH(QSize, size);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, colour);
        const QImage photo = noise(size.width(), size.height(), quint32(size.width() * 977));
        for (bool portable : {false, true}) {
            UsePortableRingKernel(portable);
            for (const Look &look : {kIdle, kLit, kFlare, Look{false, 0.25f}}) {
                QImage fast = photo;
                QImage reference = photo;
                RenderRing(fast, a, b, look.flare, colour, look.strength);
                RenderRingPerPixel(reference, a, b, look.flare, colour, look.strength);
                QCOMPARE(fast, reference);
            }
        }
        UsePortableRingKernel(false);
        // The photograph shared with the copies stays as it was.
        QCOMPARE(photo, noise(size.width(), size.height(), quint32(size.width() * 977)));
    }

    // One shape blends any number of bitmaps of its size, and nothing else.
    void shapeFitsItsSizeOnly()
    {
        const RingShape shape(16, 16, QSize(17, 17));
        QImage once = filled(17, 17), twice = filled(17, 17);
        RenderRing(once, shape, false, clYellow, 0.5f);
        RenderRing(twice, shape, false, clYellow, 0.5f);
        QCOMPARE(bytesAt(once, 8, 8), bgra(92, 66, 204, 0x80));
        QCOMPARE(twice, once);
        QImage other = filled(18, 17);
        RenderRing(other, shape, false, clYellow, 0.5f);
        QCOMPARE(other, filled(18, 17));
    }

    // Sizes where the ellipse has no inside, or the bitmap is smaller than
    // the ellipse: no division by zero, no write outside the bitmap, and a
    // bitmap smaller than the ellipse gets exactly its part of the ring.
    void degenerate_data()
    {
        QTest::addColumn<QSize>("bitmap");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<bool>("unchanged");
        QTest::newRow("one column: a = 0") << QSize(1, 20) << 0 << 19 << true;
        QTest::newRow("one row: b = 0") << QSize(20, 1) << 19 << 0 << true;
        QTest::newRow("empty: a = b = -1") << QSize(0, 0) << -1 << -1 << true;
        QTest::newRow("negative a") << QSize(10, 10) << -5 << 9 << true;
        QTest::newRow("two columns: u = ±1 only") << QSize(2, 9) << 1 << 8 << true;
        QTest::newRow("ellipse larger than bitmap") << QSize(20, 12) << 64 << 40 << false;
    }

    void degenerate()
    {
        QFETCH(QSize, bitmap);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(bool, unchanged);
        if (unchanged) {
            const QImage before = noise(bitmap.width(), bitmap.height(), 7);
            QImage image = before;
            RenderRing(image, a, b, true, clYellow, 1.0f);
            QCOMPARE(image, before);
            return;
        }
        QImage whole = noise(a + 1, b + 1, 7);
        QImage part = whole.copy(0, 0, bitmap.width(), bitmap.height());
        RenderRing(part, a, b, true, clYellow, 1.0f);
        RenderRing(whole, a, b, true, clYellow, 1.0f);
        QCOMPARE(part, whole.copy(0, 0, bitmap.width(), bitmap.height()));
    }

    void otherFormatsAreLeftAlone()
    {
        QImage image = filled(17, 17).convertToFormat(QImage::Format_RGB888);
        const QImage before = image;
        RenderRing(image, 16, 16, false, clYellow, 0.5f);
        QCOMPARE(image, before);
    }
};

QTEST_MAIN(tst_RenderRing)
#include "tst_renderring.moc"
