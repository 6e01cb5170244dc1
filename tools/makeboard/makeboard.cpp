// makeboard - paints the photograph of the Brenmar VX-7310 digital I/O board
// that the application shows, and writes it as a baseline JPEG.
//
// Everything is drawn with QPainter at twice the final resolution and scaled
// down, which gives the soft edges of a real photograph. Grain comes from a
// fixed-seed generator, so every run produces the same file.
//
// Usage: makeboard OUTPUT.jpg

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace {

// Picture geometry, in final picture pixels.
constexpr int kWidth = 517;
constexpr int kHeight = 480;
constexpr int kOversample = 2;
constexpr qreal kPitch = 8.0; // 0.1 inch at the scale of the picture

// Board outline.
constexpr qreal kBoardLeft = 8.0;
constexpr qreal kBoardTop = 2.0;
constexpr qreal kBoardRight = 492.0;
constexpr qreal kBoardBottom = 400.0;
constexpr qreal kTabLeft = 36.0;
constexpr qreal kTabRight = 454.0;
constexpr qreal kTabBottom = 432.0;
constexpr qreal kNotchLeft = 186.0;
constexpr qreal kNotchRight = 198.0;
constexpr qreal kNotchTop = 413.0;
constexpr qreal kFingerTop = 404.0;
constexpr qreal kFingerBottom = 430.0;
constexpr int kShortFingers = 18; // 16-bit extension, left of the notch
constexpr int kLongFingers = 31;  // 8-bit segment, right of the notch

// The four configuration headers in the top middle of the board.
const QRectF kIrqdRect(196, 7, 29, 21);
const QRectF kIrqtRect(224, 7, 30, 21);
const QRectF kIntselRect(212, 36, 44, 20);
const QRectF kTstBenRect(270, 16, 18, 33);
constexpr qreal kJumperPitch = 9.0;

// Parts whose positions several drawing functions share.
const QPointF kControllerCentre(232, 184);
constexpr qreal kControllerSize = 72.0;
constexpr std::array<qreal, 4> kBufferRows = {82, 138, 194, 250};
constexpr qreal kBufferLeft = 310.0; // body of the 74LS245s
constexpr qreal kPackX = 418.0;      // resistor packs
const QPointF kIoHeaderCentre(462, 174);
constexpr qreal kIoHeaderFirstRow = 78.0;
const QPointF kAddressChip(236, 350);
const QPointF kSwitchCentre(322, 350);

// Decoupling capacitors, shared by the silkscreen and the parts.
struct CeramicCap
{
    QPointF at;
    int number;
    bool vertical;
    bool blue;
};
const std::array<CeramicCap, 9> kCeramics = {{{{98, 124}, 1, false, false},
                                              {{98, 184}, 2, false, false},
                                              {{98, 244}, 3, false, false},
                                              {{302, 64}, 4, false, true},
                                              {{302, 120}, 5, false, true},
                                              {{302, 176}, 6, false, true},
                                              {{302, 232}, 7, false, true},
                                              {{184, 346}, 8, true, false},
                                              {{72, 62}, 9, false, false}}};

namespace colour {
const QColor background(226, 226, 222);
const QColor mask(24, 104, 56);
const QColor maskDark(14, 74, 40);
const QColor maskLight(38, 130, 70);
const QColor trace(66, 142, 64);
const QColor traceEdge(120, 186, 96);
const QColor silk(236, 238, 228);
const QColor gold(214, 172, 84);
const QColor plastic(26, 26, 28);
const QColor chipInk(196, 196, 190);
} // namespace colour

// ---------------------------------------------------------------------------
// Small helpers

qreal fingerX(bool shortSegment, int index)
{
    return shortSegment ? 44.0 + kPitch * index : 206.0 + kPitch * index;
}

// Centre of pin `index` (0-based) of a horizontal DIP whose body starts at
// `left`: pins are counted left to right on both rows.
qreal dipPinX(qreal left, int index)
{
    return left + 4.0 + kPitch * index;
}

QColor shade(const QColor &c, int percent)
{
    return percent >= 0 ? c.lighter(100 + percent) : c.darker(100 - percent);
}

// Cuts every corner of an orthogonal polyline with a 45-degree leg.
QPolygonF chamfered(const QPolygonF &points, qreal cut)
{
    if (points.size() < 3)
        return points;
    QPolygonF out;
    out << points.front();
    for (int i = 1; i + 1 < points.size(); ++i) {
        const QPointF a = points[i - 1];
        const QPointF c = points[i];
        const QPointF b = points[i + 1];
        const qreal la = QLineF(a, c).length();
        const qreal lb = QLineF(c, b).length();
        if (la < 0.01 || lb < 0.01)
            continue;
        const qreal k = std::min({cut, la / 2.0, lb / 2.0});
        out << c + (a - c) * (k / la) << c + (b - c) * (k / lb);
    }
    out << points.back();
    return out;
}

// Text drawn so that its capital letters are `capHeight` pixels tall and the
// string is centred on `centre`. `squeeze` narrows the glyphs the way
// condensed silkscreen and marking fonts are.
void drawText(QPainter &p, const QPointF &centre, const QString &text, qreal capHeight,
              const QColor &colour, qreal angle = 0.0, qreal squeeze = 0.85,
              int weight = QFont::Bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF metrics(font);
    const qreal scale = capHeight / metrics.capHeight();

    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.scale(scale * squeeze, scale);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QPointF(-metrics.horizontalAdvance(text) / 2.0, metrics.capHeight() / 2.0), text);
    p.restore();
}

// Separable box blur, three passes, on a premultiplied ARGB image.
void boxBlur(QImage &image, int radius)
{
    if (radius < 1)
        return;
    const int w = image.width();
    const int h = image.height();
    std::vector<int> line(static_cast<size_t>(std::max(w, h)) * 4);
    auto blurLine = [&](uchar *start, int count, int stride) {
        for (int i = 0; i < count; ++i)
            for (int c = 0; c < 4; ++c)
                line[static_cast<size_t>(i) * 4 + c] = start[i * stride + c];
        std::array<int, 4> sum{};
        const int window = 2 * radius + 1;
        auto at = [&](int i, int c) {
            i = std::clamp(i, 0, count - 1);
            return line[static_cast<size_t>(i) * 4 + c];
        };
        for (int c = 0; c < 4; ++c)
            for (int i = -radius; i <= radius; ++i)
                sum[c] += at(i, c);
        for (int i = 0; i < count; ++i) {
            for (int c = 0; c < 4; ++c) {
                start[i * stride + c] = static_cast<uchar>(sum[c] / window);
                sum[c] += at(i + radius + 1, c) - at(i - radius, c);
            }
        }
    };
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            blurLine(image.scanLine(y), w, 4);
        for (int x = 0; x < w; ++x)
            blurLine(image.scanLine(0) + x * 4, h, static_cast<int>(image.bytesPerLine()));
    }
}

// A transparent layer at working resolution, painted in picture coordinates.
QImage paintLayer(const std::function<void(QPainter &)> &paint)
{
    QImage layer(kWidth * kOversample, kHeight * kOversample, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(kOversample, kOversample);
    paint(p);
    return layer;
}

// Soft black shadow of everything opaque in `layer`.
QImage shadowOf(const QImage &layer, int radius, qreal strength)
{
    QImage shadow(layer.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < layer.height(); ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(layer.constScanLine(y));
        auto *dst = reinterpret_cast<QRgb *>(shadow.scanLine(y));
        for (int x = 0; x < layer.width(); ++x)
            dst[x] = qRgba(0, 0, 0, static_cast<int>(qAlpha(src[x]) * strength));
    }
    boxBlur(shadow, radius);
    return shadow;
}

// ---------------------------------------------------------------------------
// The bare board

QPainterPath boardOutline()
{
    QPainterPath body;
    body.addRoundedRect(
        QRectF(kBoardLeft, kBoardTop, kBoardRight - kBoardLeft, kBoardBottom - kBoardTop), 3, 3);
    QPainterPath tab;
    tab.addPolygon(QPolygonF({{kTabLeft, kBoardBottom - 2},
                              {kTabRight, kBoardBottom - 2},
                              {kTabRight, kTabBottom - 3},
                              {kTabRight - 3, kTabBottom},
                              {kTabLeft + 3, kTabBottom},
                              {kTabLeft, kTabBottom - 3}}));
    tab.closeSubpath();
    QPainterPath notch;
    notch.addRoundedRect(
        QRectF(kNotchLeft, kNotchTop, kNotchRight - kNotchLeft, kTabBottom - kNotchTop + 6), 5, 5);
    return body.united(tab).subtracted(notch);
}

void drawBackground(QPainter &p)
{
    QLinearGradient light(0, 0, kWidth * 0.4, kHeight);
    light.setColorAt(0.0, shade(colour::background, 5));
    light.setColorAt(1.0, shade(colour::background, -6));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), light);
}

void drawSolderMask(QPainter &p, const QPainterPath &outline)
{
    QLinearGradient body(0, 0, kWidth, kHeight);
    body.setColorAt(0.0, colour::maskLight);
    body.setColorAt(0.45, colour::mask);
    body.setColorAt(1.0, colour::maskDark);
    p.fillPath(outline, body);

    // Uneven mask thickness: low-frequency blotches.
    p.save();
    p.setClipPath(outline);
    std::mt19937 rng(1994);
    std::uniform_int_distribution<int> blotch(-12, 12);
    QImage mottle(52, 48, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < mottle.height(); ++y) {
        for (int x = 0; x < mottle.width(); ++x) {
            const int v = blotch(rng);
            const int a = std::abs(v);
            mottle.setPixel(x, y, v > 0 ? qRgba(a, a, a, a) : qRgba(0, 0, 0, a));
        }
    }
    p.drawImage(QRectF(0, 0, kWidth, kHeight), mottle);

    // Faint glass-weave texture showing through the mask.
    p.setPen(QPen(QColor(0, 0, 0, 10), 0.6));
    for (qreal d = -kHeight; d < kWidth; d += 2.2)
        p.drawLine(QPointF(d, 0), QPointF(d + kHeight, kHeight));
    p.setPen(QPen(QColor(255, 255, 255, 7), 0.6));
    for (qreal d = 0; d < kWidth + kHeight; d += 2.2)
        p.drawLine(QPointF(d, 0), QPointF(d - kHeight, kHeight));
    p.restore();

    // Raw glass-epoxy edge.
    p.setPen(QPen(QColor(150, 170, 112, 200), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
}

void drawTrace(QPainter &p, const QPolygonF &path, qreal width = 1.5)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::trace, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(path);
    // Light catches the upper edge of the copper under the mask.
    p.setPen(QPen(
        QColor(colour::traceEdge.red(), colour::traceEdge.green(), colour::traceEdge.blue(), 90),
        width * 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(path.translated(-width * 0.2, -width * 0.25));
}

void drawVia(QPainter &p, const QPointF &at, qreal radius = 2.1)
{
    QRadialGradient ring(at - QPointF(0.6, 0.6), radius * 1.4);
    ring.setColorAt(0.0, shade(colour::gold, 25));
    ring.setColorAt(1.0, shade(colour::gold, -25));
    p.setPen(Qt::NoPen);
    p.setBrush(ring);
    p.drawEllipse(at, radius, radius);
    p.setBrush(QColor(18, 32, 22));
    p.drawEllipse(at, radius * 0.42, radius * 0.42);
}

// Tinned through-hole pad.
void drawPad(QPainter &p, const QPointF &at, qreal radius = 2.3)
{
    QRadialGradient metal(at - QPointF(0.8, 0.8), radius * 1.6);
    metal.setColorAt(0.0, QColor(214, 214, 206));
    metal.setColorAt(1.0, QColor(120, 124, 116));
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    p.drawEllipse(at, radius, radius);
}

void drawDipPads(QPainter &p, qreal left, qreal centreY, int pins)
{
    for (int i = 0; i < pins / 2; ++i) {
        drawPad(p, {dipPinX(left, i), centreY - 12});
        drawPad(p, {dipPinX(left, i), centreY + 12});
    }
}

// ---------------------------------------------------------------------------
// Copper

void drawEdgeTraces(QPainter &p, std::mt19937 &rng)
{
    std::uniform_int_distribution<int> use(0, 9);
    // Stubs from the contacts to vias; the busy lines are routed further on.
    for (int i = 0; i < kShortFingers; ++i) {
        if (use(rng) < 4)
            continue;
        const qreal x = fingerX(true, i);
        const qreal end = 392.0 - (i % 2) * 7.0;
        drawTrace(p, QPolygonF({{x, kFingerTop + 2}, {x, end}}));
        drawVia(p, {x, end});
    }
    for (int i = 0; i < kLongFingers; ++i) {
        const bool routed = i <= 9 || (i >= 22 && i <= 29);
        if (routed || use(rng) < 3)
            continue;
        const qreal x = fingerX(false, i);
        const qreal end = 388.0 - (i % 3) * 6.0;
        drawTrace(p, QPolygonF({{x, kFingerTop + 2}, {x, end}}));
        drawVia(p, {x, end});
    }
}

// Address lines from the connector up into the address comparator.
void drawAddressBus(QPainter &p)
{
    for (int i = 0; i < 9; ++i) {
        const qreal x = fingerX(false, i);
        const qreal pin = dipPinX(kAddressChip.x() - 40, i);
        drawTrace(p, QPolygonF({{x, kFingerTop + 2},
                                {x, 376},
                                {pin, 376 - (x - pin)},
                                {pin, kAddressChip.y() + 12}}));
    }
    // Comparator against the base-address switch.
    for (int i = 0; i < 5; ++i) {
        const qreal from = dipPinX(kAddressChip.x() - 40, 9 - i);
        const qreal to = dipPinX(kSwitchCentre.x() - 32, i);
        const qreal y = 331.0 - i * 4.0;
        drawTrace(p, chamfered(QPolygonF({{from, kAddressChip.y() - 12},
                                          {from, y},
                                          {to, y},
                                          {to, kSwitchCentre.y() - 12}}),
                               2.5));
    }
    // Match output and select lines up into the controller.
    for (int i = 0; i < 4; ++i) {
        const qreal from = dipPinX(kAddressChip.x() - 40, i);
        const qreal lead = 204.0 + i * 4.0;
        drawTrace(p, QPolygonF({{from, kAddressChip.y() - 12},
                                {from, 300},
                                {lead, 300 - (from - lead)},
                                {lead, 222}}));
    }
}

// Data lines from the connector to the bottom of the controller.
void drawDataBus(QPainter &p)
{
    for (int j = 0; j < 8; ++j) {
        const qreal x = fingerX(false, 22 + j);
        const qreal y = 308.0 - j * 4.0;
        const qreal lead = 236.0 + j * 4.0;
        drawTrace(p,
                  chamfered(QPolygonF({{x, kFingerTop + 2}, {x, y}, {lead, y}, {lead, 222}}), 2.5));
    }
}

// Port lines from the right side of the controller to the A side of each
// buffer. Each group of four enters the bottom row of its buffer.
void drawPortBus(QPainter &p)
{
    // Where each group turns off the controller, chosen so no lines cross.
    constexpr std::array<qreal, 4> turnAt = {280, 296, 296, 280};
    for (int chip = 0; chip < 4; ++chip) {
        const qreal row = kBufferRows[static_cast<size_t>(chip)];
        const bool goingUp = chip < 2;
        for (int k = 0; k < 4; ++k) {
            const qreal lead = 152.0 + chip * 16.0 + k * 4.0;
            // Going up, the top lead turns first; going down, the bottom one.
            const int order = goingUp ? k : 3 - k;
            const qreal turn = turnAt[static_cast<size_t>(chip)] + order * 4.0;
            const qreal band = row + 17.0 + order * 4.0;
            const qreal pin = dipPinX(kBufferLeft, 1 + order);
            drawTrace(p, chamfered(QPolygonF({{kControllerCentre.x() + 38, lead},
                                              {turn, lead},
                                              {turn, band},
                                              {pin, band},
                                              {pin, row + 12}}),
                                   2.0));
        }
    }
}

// B side of the buffers out to the resistor packs and the I/O header.
void drawIoBus(QPainter &p)
{
    const qreal headerPin = kIoHeaderCentre.x() - 4;
    for (size_t chip = 0; chip < kBufferRows.size(); ++chip) {
        const qreal row = kBufferRows[chip];
        drawTrace(p, QPolygonF({{dipPinX(kBufferLeft, 9), row - 12}, {kPackX, row - 12}}));
        drawTrace(p, chamfered(QPolygonF({{dipPinX(kBufferLeft, 8), row - 12},
                                          {dipPinX(kBufferLeft, 8), row - 20},
                                          {kPackX, row - 20}}),
                               2.0));
        for (int k = 0; k < 6; ++k) {
            const qreal y = row - 20 + k * kPitch;
            if (y >= kIoHeaderFirstRow)
                drawTrace(p, QPolygonF({{kPackX, y}, {headerPin, y}}));
        }
        const qreal over = row - 28;
        if (over >= kIoHeaderFirstRow)
            drawTrace(p, chamfered(QPolygonF({{dipPinX(kBufferLeft, 7), row - 12},
                                              {dipPinX(kBufferLeft, 7), over},
                                              {headerPin, over}}),
                                   2.0));
    }
}

// Lines from the left-hand logic into the controller, the clock, and the
// configuration headers (which are reached from the bottom layer).
void drawControlTraces(QPainter &p)
{
    const qreal leadX = kControllerCentre.x() - 38;
    // From the decoder, the PAL and the inverters.
    const std::array<QPointF, 3> sources = {QPointF(dipPinX(30, 9), 98.0),
                                            QPointF(dipPinX(30, 7), 158.0),
                                            QPointF(dipPinX(30, 6), 218.0)};
    for (size_t s = 0; s < sources.size(); ++s) {
        for (int k = 0; k < 3; ++k) {
            const QPointF from = sources[s] + QPointF(-k * kPitch, 0);
            const qreal lead = 160.0 + s * 20.0 + k * 4.0;
            const qreal turn = 126.0 + (s == 0 ? k : 2 - k) * 4.0;
            const qreal leave = from.y() - 4.0 - (s == 0 ? 2 - k : k) * 4.0;
            drawTrace(
                p, chamfered(
                       QPolygonF(
                           {from, {from.x(), leave}, {turn, leave}, {turn, lead}, {leadX, lead}}),
                       2.0));
        }
    }
    // Clock from the oscillator down to the controller's top side.
    drawTrace(
        p, chamfered(QPolygonF({{174, 44}, {186, 44}, {186, 120}, {208, 120}, {208, 146}}), 3.0));
    // Configuration lines: vias just below the header field, then down to the
    // top of the controller.
    const std::array<qreal, 5> vias = {212, 228, 244, 262, 279};
    for (size_t i = 0; i < vias.size(); ++i) {
        const QPointF via(vias[i], i == 4 ? 66.0 : 72.0);
        const qreal lead = 220.0 + i * 8.0;
        drawTrace(
            p, chamfered(
                   QPolygonF({via, {via.x(), 96.0 + i * 4.0}, {lead, 96.0 + i * 4.0}, {lead, 146}}),
                   3.0));
        drawVia(p, via);
    }
    // Supply rail along the top edge, feeding the buffers and the header.
    QPen rail(colour::trace, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(rail);
    p.drawPolyline(
        chamfered(QPolygonF({{300, 60}, {300, 56}, {436, 56}, {436, 290}, {430, 296}}), 4.0));
    for (qreal y : kBufferRows) {
        drawTrace(p, QPolygonF({{436, y + 20}, {kPackX, y + 20}}), 1.8);
        drawVia(p, {436, y + 30});
    }
}

void drawTraces(QPainter &p)
{
    std::mt19937 rng(7310);
    drawEdgeTraces(p, rng);
    drawAddressBus(p);
    drawDataBus(p);
    drawPortBus(p);
    drawIoBus(p);
    drawControlTraces(p);

    // Stitching vias scattered over quiet areas of the board.
    const std::array<QPointF, 14> stitches = {
        QPointF(20, 70),   QPointF(112, 70),  QPointF(20, 286),  QPointF(96, 186),
        QPointF(150, 132), QPointF(150, 240), QPointF(282, 132), QPointF(300, 300),
        QPointF(400, 318), QPointF(476, 300), QPointF(476, 374), QPointF(20, 246),
        QPointF(120, 246), QPointF(362, 316)};
    for (const QPointF &at : stitches)
        drawVia(p, at);
}

void drawGoldFingers(QPainter &p, std::mt19937 &rng)
{
    std::uniform_int_distribution<int> wear(-8, 8);
    auto finger = [&](qreal x) {
        const QRectF r(x - 2.8, kFingerTop, 5.6, kFingerBottom - kFingerTop);
        QLinearGradient g(r.left(), 0, r.right(), 0);
        const QColor base = shade(colour::gold, wear(rng));
        g.setColorAt(0.0, shade(base, -22));
        g.setColorAt(0.35, shade(base, 28));
        g.setColorAt(0.6, base);
        g.setColorAt(1.0, shade(base, -30));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(r, 1.2, 1.2);
    };
    for (int i = 0; i < kShortFingers; ++i)
        finger(fingerX(true, i));
    for (int i = 0; i < kLongFingers; ++i)
        finger(fingerX(false, i));

    // Bevelled lower edge of the contact tab.
    p.setPen(QPen(QColor(170, 176, 140, 160), 1.2));
    p.drawLine(QPointF(kTabLeft + 3, kTabBottom - 0.8), QPointF(kNotchLeft, kTabBottom - 0.8));
    p.drawLine(QPointF(kNotchRight, kTabBottom - 0.8), QPointF(kTabRight - 3, kTabBottom - 0.8));
}

// ---------------------------------------------------------------------------
// Silkscreen

void silkRect(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(colour::silk, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

void silkDipOutline(QPainter &p, qreal left, qreal centreY, int pins)
{
    const qreal length = pins / 2 * kPitch;
    silkRect(p, QRectF(left - 3, centreY - 16.5, length + 6, 33));
    p.drawArc(QRectF(left - 6, centreY - 3.5, 7, 7), 90 * 16, -180 * 16);
}

void drawSilkscreen(QPainter &p)
{
    const QColor &ink = colour::silk;

    // Maker and product.
    drawText(p, {96, 306}, QStringLiteral("BRENMAR"), 14, ink, 0, 0.95);
    p.setPen(QPen(ink, 1.4));
    p.drawLine(QPointF(28, 318), QPointF(164, 318));
    drawText(p, {96, 331}, QStringLiteral("VX-7310"), 11, ink, 0, 0.95);
    drawText(p, {96, 345}, QStringLiteral("DIGITAL I/O INTERFACE"), 4.2, ink);
    drawText(p, {96, 354}, QStringLiteral("ASSY 7310-001  REV C"), 3.6, ink);
    drawText(p, {96, 362}, QStringLiteral("(C) 1994 BRENMAR INC.  MADE IN U.S.A."), 3.2, ink, 0,
             0.8, QFont::Normal);
    drawText(p, {452, 388}, QStringLiteral("BF-2  94V-0"), 3.2, ink);

    // Configuration headers. Labels stay outside the header fields.
    const qreal small = 4.6;
    drawText(p, {kIrqdRect.center().x(), 32.2}, QStringLiteral("IRQD"), small, ink);
    drawText(p, {kIrqtRect.center().x(), 32.2}, QStringLiteral("IRQT"), small, ink);
    drawText(p, {203.6, kIntselRect.center().y()}, QStringLiteral("INT"), small, ink);
    drawText(p, {263.0, kIntselRect.center().y()}, QStringLiteral("EXT"), small, ink);
    drawText(p, {kIntselRect.center().x(), 60.6}, QStringLiteral("INTSEL0"), small, ink);
    drawText(p, {kTstBenRect.center().x(), 12.0}, QStringLiteral("TST"), small, ink);
    drawText(p, {kTstBenRect.center().x(), 53.4}, QStringLiteral("BEN"), small, ink);

    // Component outlines and designators.
    const qreal ref = 4.4;
    silkDipOutline(p, 30, 98, 20);
    drawText(p, {22, 80}, QStringLiteral("U2"), ref, ink);
    silkDipOutline(p, 30, 158, 16);
    drawText(p, {22, 140}, QStringLiteral("U8"), ref, ink);
    silkDipOutline(p, 30, 218, 14);
    drawText(p, {22, 200}, QStringLiteral("U9"), ref, ink);
    silkDipOutline(p, 40, 36, 14);
    drawText(p, {32, 14}, QStringLiteral("U10"), ref, ink);
    silkDipOutline(p, 330, 30, 14);
    drawText(p, {322, 8}, QStringLiteral("U11"), ref, ink);
    for (size_t i = 0; i < kBufferRows.size(); ++i) {
        silkDipOutline(p, kBufferLeft, kBufferRows[i], 20);
        drawText(p, {kBufferLeft + 18, kBufferRows[i] - 21}, QStringLiteral("U%1").arg(3 + i), ref,
                 ink);
        drawText(p, {kPackX - 8.5, kBufferRows[i]}, QStringLiteral("RN%1").arg(1 + i), 3.8, ink,
                 -90);
    }
    silkDipOutline(p, kAddressChip.x() - 40, kAddressChip.y(), 20);
    drawText(p, {kAddressChip.x() - 50, kAddressChip.y() - 20}, QStringLiteral("U7"), ref, ink);
    silkDipOutline(p, kSwitchCentre.x() - 32, kSwitchCentre.y(), 16);
    drawText(p, {kSwitchCentre.x() + 22, kSwitchCentre.y() - 21}, QStringLiteral("SW1"), ref, ink);
    drawText(p, {kSwitchCentre.x() - 10, kSwitchCentre.y() - 21}, QStringLiteral("BASE"), 3.4, ink);

    const QRectF plcc(kControllerCentre.x() - 42, kControllerCentre.y() - 42, 84, 84);
    silkRect(p, plcc);
    drawText(p, {plcc.left() + 8, plcc.top() - 5}, QStringLiteral("U1"), ref, ink);

    // I/O header.
    silkRect(p, QRectF(kIoHeaderCentre.x() - 18, kIoHeaderFirstRow - 16, 36, 224));
    drawText(p, {kIoHeaderCentre.x(), 294}, QStringLiteral("J1"), ref, ink);
    drawText(p, {kIoHeaderCentre.x() - 14, kIoHeaderFirstRow - 19}, QStringLiteral("1"), 3.4, ink);

    // Oscillator, LED, resistors, capacitors.
    silkRect(p, QRectF(136, 8, 44, 40));
    drawText(p, {130, 12}, QStringLiteral("X1"), ref, ink, -90);
    drawText(p, {404, 10}, QStringLiteral("R3"), 3.8, ink);
    drawText(p, {448, 38}, QStringLiteral("D1"), 3.8, ink);
    drawText(p, {448, 8}, QStringLiteral("ACT"), 3.4, ink);
    drawText(p, {114, 17}, QStringLiteral("R1"), 3.8, ink);
    drawText(p, {114, 55}, QStringLiteral("R2"), 3.8, ink);
    drawText(p, {160, 284}, QStringLiteral("C20"), 3.8, ink);
    drawText(p, {120, 285}, QStringLiteral("C21"), 3.8, ink);
    drawText(p, {462, 343}, QStringLiteral("C22"), 3.8, ink);
    drawText(p, {141, 248}, QStringLiteral("+"), 4.0, ink);
    drawText(p, {107, 258}, QStringLiteral("+"), 4.0, ink);
    drawText(p, {447, 312}, QStringLiteral("+"), 4.0, ink);
    p.setPen(QPen(ink, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(160, 262), 17, 17);
    p.drawEllipse(QPointF(120, 268), 12, 12);
    p.drawEllipse(QPointF(462, 324), 14, 14);
    for (const CeramicCap &cap : kCeramics)
        drawText(p, cap.at + QPointF(0, cap.vertical ? 9.5 : 7.0),
                 QStringLiteral("C%1").arg(cap.number), 3.4, ink);
}

void drawBareBoard(QPainter &p)
{
    const QPainterPath outline = boardOutline();
    drawSolderMask(p, outline);
    p.save();
    p.setClipPath(outline);
    drawTraces(p);

    // Pads for the through-hole parts (mostly hidden under their legs).
    drawDipPads(p, 30, 98, 20);
    drawDipPads(p, 30, 158, 16);
    drawDipPads(p, 30, 218, 14);
    drawDipPads(p, 40, 36, 14);
    drawDipPads(p, 330, 30, 14);
    for (qreal row : kBufferRows) {
        drawDipPads(p, kBufferLeft, row, 20);
        for (int k = 0; k < 6; ++k)
            drawPad(p, {kPackX, row - 20 + k * kPitch}, 2.3);
    }
    drawDipPads(p, kAddressChip.x() - 40, kAddressChip.y(), 20);
    drawDipPads(p, kSwitchCentre.x() - 32, kSwitchCentre.y(), 16);

    drawSilkscreen(p);
    std::mt19937 rng(94);
    drawGoldFingers(p, rng);
    p.restore();
}

// ---------------------------------------------------------------------------
// Components

void drawLeg(QPainter &p, const QRectF &r)
{
    const bool tall = r.height() > r.width();
    QLinearGradient g(r.topLeft(), tall ? r.topRight() : r.bottomLeft());
    g.setColorAt(0.0, QColor(120, 122, 118));
    g.setColorAt(0.4, QColor(236, 236, 230));
    g.setColorAt(1.0, QColor(130, 132, 128));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(r);
}

// Leg of a DIP package: the shoulder leaving the body and the bend down into
// the board. `down` tells on which side of the body it sits.
void drawDipLeg(QPainter &p, qreal x, qreal bodyEdge, bool down)
{
    const qreal reach = 4.0;
    const QRectF r(x - 1.7, down ? bodyEdge : bodyEdge - reach, 3.4, reach);
    drawLeg(p, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 62, 60, 150));
    p.drawRect(down ? QRectF(r.left(), r.bottom() - 1.0, r.width(), 1.0)
                    : QRectF(r.left(), r.top(), r.width(), 1.0));
}

void drawMoldedBody(QPainter &p, const QRectF &body, const QColor &base, qreal radius)
{
    QLinearGradient g(body.topLeft(), body.bottomRight());
    g.setColorAt(0.0, shade(base, 45));
    g.setColorAt(0.5, base);
    g.setColorAt(1.0, shade(base, -20));
    p.setPen(QPen(shade(base, 80), 0.6));
    p.setBrush(g);
    p.drawRoundedRect(body, radius, radius);
    // Slightly smaller top face of the moulding.
    p.setPen(QPen(QColor(255, 255, 255, 16), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body.adjusted(1.2, 1.2, -1.2, -1.2), radius, radius);
}

// A horizontal DIP package with pin 1 at the bottom left.
void drawChip(QPainter &p, qreal left, qreal centreY, int pins, const QString &type,
              const QString &code)
{
    const qreal length = pins / 2 * kPitch;
    for (int i = 0; i < pins / 2; ++i) {
        const qreal x = dipPinX(left, i);
        drawDipLeg(p, x, centreY - 10, false);
        drawDipLeg(p, x, centreY + 10, true);
    }
    const QRectF body(left, centreY - 10, length, 20);
    drawMoldedBody(p, body, colour::plastic, 1.0);

    // Pin-one notch and dimple.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(8, 8, 9));
    p.drawChord(QRectF(left - 3, centreY - 3, 6, 6), 90 * 16, -180 * 16);
    p.setBrush(QColor(16, 16, 17));
    p.drawEllipse(QPointF(left + 4.5, centreY + 5.5), 1.6, 1.6);

    drawText(p, {left + length / 2 + 2, centreY - 2.4}, type, 4.6, colour::chipInk, 0, 0.8,
             QFont::Normal);
    drawText(p, {left + length / 2 + 2, centreY + 4.6}, code, 3.2, shade(colour::chipInk, -20), 0,
             0.8, QFont::Normal);
}

void drawController(QPainter &p)
{
    const QPointF c = kControllerCentre;
    const qreal half = kControllerSize / 2;
    // J-leads showing along all four sides.
    for (int i = 0; i < 17; ++i) {
        const qreal t = -32.0 + i * 4.0;
        drawLeg(p, QRectF(c.x() + t - 1.1, c.y() - half - 2.6, 2.2, 2.8));
        drawLeg(p, QRectF(c.x() + t - 1.1, c.y() + half - 0.2, 2.2, 2.8));
        drawLeg(p, QRectF(c.x() - half - 2.6, c.y() + t - 1.1, 2.8, 2.2));
        drawLeg(p, QRectF(c.x() + half - 0.2, c.y() + t - 1.1, 2.8, 2.2));
    }
    const QRectF body(c.x() - half, c.y() - half, kControllerSize, kControllerSize);
    QPainterPath outline;
    outline.moveTo(body.left() + 5, body.top());
    outline.lineTo(body.topRight());
    outline.lineTo(body.bottomRight());
    outline.lineTo(body.bottomLeft());
    outline.lineTo(body.left(), body.top() + 5);
    outline.closeSubpath();
    QLinearGradient g(body.topLeft(), body.bottomRight());
    g.setColorAt(0.0, QColor(52, 52, 54));
    g.setColorAt(0.5, QColor(30, 30, 32));
    g.setColorAt(1.0, QColor(20, 20, 21));
    p.setPen(QPen(QColor(70, 70, 72), 0.6));
    p.setBrush(g);
    p.drawPath(outline);
    p.setPen(QPen(QColor(255, 255, 255, 18), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(body.adjusted(3, 3, -3, -3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(14, 14, 15));
    p.drawEllipse(QPointF(c.x(), body.top() + 6), 2.0, 2.0);

    drawText(p, c + QPointF(0, -12), QStringLiteral("BRENMAR"), 6.0, colour::chipInk);
    drawText(p, c + QPointF(0, 0), QStringLiteral("BM7310-CTL"), 5.0, colour::chipInk, 0, 0.8,
             QFont::Normal);
    drawText(p, c + QPointF(0, 10), QStringLiteral("9431 K  A2"), 3.8, shade(colour::chipInk, -20),
             0, 0.8, QFont::Normal);
}

// Paper label on the programmed PAL.
void drawSticker(QPainter &p, const QRectF &r, const QString &top, const QString &bottom)
{
    QLinearGradient paper(r.topLeft(), r.bottomRight());
    paper.setColorAt(0.0, QColor(250, 250, 244));
    paper.setColorAt(1.0, QColor(222, 222, 212));
    p.setPen(QPen(QColor(200, 200, 190), 0.4));
    p.setBrush(paper);
    p.drawRoundedRect(r, 0.8, 0.8);
    drawText(p, r.center() + QPointF(0, -2.4), top, 3.2, QColor(30, 30, 40), 0, 0.8);
    drawText(p, r.center() + QPointF(0, 2.8), bottom, 2.8, QColor(30, 30, 40), 0, 0.8,
             QFont::Normal);
}

void drawResistorPack(QPainter &p, const QPointF &firstPin, int pins)
{
    const QRectF body(firstPin.x() - 3.4, firstPin.y() - 4.5, 6.8, (pins - 1) * kPitch + 9);
    drawMoldedBody(p, body, QColor(40, 40, 44), 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 230, 220));
    p.drawEllipse(firstPin, 1.1, 1.1); // common pin
    drawText(p, body.center() + QPointF(0, 3), QStringLiteral("A103J"), 3.0, colour::chipInk, -90,
             0.8, QFont::Normal);
}

void drawCeramicCap(QPainter &p, const QPointF &at, const QColor &body, bool vertical)
{
    const QPointF d = vertical ? QPointF(0, 2.6) : QPointF(2.6, 0);
    drawPad(p, at - d, 1.9);
    drawPad(p, at + d, 1.9);
    const QRectF blob = vertical ? QRectF(at.x() - 2.8, at.y() - 5, 5.6, 10)
                                 : QRectF(at.x() - 5, at.y() - 2.8, 10, 5.6);
    QRadialGradient g(blob.center() - QPointF(1.2, 1.2), 6);
    g.setColorAt(0.0, shade(body, 50));
    g.setColorAt(0.6, body);
    g.setColorAt(1.0, shade(body, -35));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(blob);
}

void drawElectrolytic(QPainter &p, const QPointF &at, qreal radius, const QColor &sleeve)
{
    // Sleeve seen from above, with the light negative stripe.
    QRadialGradient wrap(at - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    wrap.setColorAt(0.0, shade(sleeve, 60));
    wrap.setColorAt(1.0, shade(sleeve, -30));
    p.setPen(Qt::NoPen);
    p.setBrush(wrap);
    p.drawEllipse(at, radius, radius);
    p.setBrush(QColor(190, 192, 196));
    p.drawPie(QRectF(at.x() - radius, at.y() - radius, 2 * radius, 2 * radius), -20 * 16, -70 * 16);

    // Aluminium can top with its pressure vent.
    const qreal top = radius * 0.78;
    QRadialGradient can(at - QPointF(top * 0.35, top * 0.4), top * 1.4);
    can.setColorAt(0.0, QColor(246, 246, 244));
    can.setColorAt(0.5, QColor(190, 192, 194));
    can.setColorAt(1.0, QColor(128, 130, 134));
    p.setBrush(can);
    p.setPen(QPen(QColor(100, 102, 106), 0.5));
    p.drawEllipse(at, top, top);
    p.setPen(QPen(QColor(110, 112, 116), 0.7));
    const qreal v = top * 0.55;
    p.drawLine(at, at + QPointF(0, -v));
    p.drawLine(at, at + QPointF(v * 0.87, v * 0.5));
    p.drawLine(at, at + QPointF(-v * 0.87, v * 0.5));
}

void drawAxialResistor(QPainter &p, const QPointF &at, const std::array<QColor, 4> &bands)
{
    drawPad(p, at - QPointF(12, 0), 2.2);
    drawPad(p, at + QPointF(12, 0), 2.2);
    p.setPen(QPen(QColor(186, 188, 184), 1.0));
    p.drawLine(at - QPointF(12, 0), at + QPointF(12, 0));
    const QRectF body(at.x() - 8, at.y() - 2.8, 16, 5.6);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0.0, QColor(236, 214, 170));
    g.setColorAt(0.45, QColor(214, 186, 136));
    g.setColorAt(1.0, QColor(150, 124, 84));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(body, 2.6, 2.6);
    const std::array<qreal, 4> pos = {-5.0, -2.6, -0.2, 4.6};
    for (size_t i = 0; i < bands.size(); ++i) {
        QLinearGradient b(body.topLeft(), body.bottomLeft());
        b.setColorAt(0.0, shade(bands[i], 40));
        b.setColorAt(1.0, shade(bands[i], -40));
        p.setBrush(b);
        p.drawRect(QRectF(at.x() + pos[i] - 0.7, body.top() + 0.3, 1.4, body.height() - 0.6));
    }
}

void drawLed(QPainter &p, const QPointF &at)
{
    drawPad(p, at - QPointF(0, 4), 1.9);
    drawPad(p, at + QPointF(0, 4), 1.9);
    QRadialGradient g(at - QPointF(1.5, 1.8), 7);
    g.setColorAt(0.0, QColor(255, 170, 160));
    g.setColorAt(0.3, QColor(210, 30, 26));
    g.setColorAt(1.0, QColor(110, 8, 8));
    p.setPen(QPen(QColor(150, 20, 20), 0.6));
    p.setBrush(g);
    QPainterPath lens;
    lens.addEllipse(at, 5.4, 5.4);
    QPainterPath flat;
    flat.addRect(QRectF(at.x() + 4.4, at.y() - 6, 2, 12));
    p.drawPath(lens.subtracted(flat));
}

void drawOscillator(QPainter &p, const QRectF &r)
{
    QLinearGradient metal(r.topLeft(), r.bottomRight());
    metal.setColorAt(0.0, QColor(238, 238, 236));
    metal.setColorAt(0.5, QColor(190, 192, 192));
    metal.setColorAt(1.0, QColor(150, 152, 154));
    p.setPen(QPen(QColor(120, 122, 124), 0.6));
    p.setBrush(metal);
    QPainterPath can;
    can.addRoundedRect(r, 3.5, 3.5);
    QPainterPath corner;
    corner.addRect(QRectF(r.left(), r.bottom() - 4, 4, 4));
    p.drawPath(can.united(corner));
    // Brushed finish.
    p.setPen(QPen(QColor(255, 255, 255, 28), 0.4));
    for (qreal y = r.top() + 2; y < r.bottom() - 2; y += 1.3)
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    p.setPen(QPen(QColor(255, 255, 255, 70), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 2.5, 2.5);
    const QColor ink(40, 40, 46);
    drawText(p, r.center() + QPointF(0, -6), QStringLiteral("KSO-20"), 3.6, ink);
    drawText(p, r.center() + QPointF(0, 1), QStringLiteral("20.000MHz"), 4.2, ink);
    drawText(p, r.center() + QPointF(0, 8), QStringLiteral("9418"), 3.2, ink, 0, 0.8,
             QFont::Normal);
}

void drawDipSwitch(QPainter &p, const QPointF &centre)
{
    const qreal left = centre.x() - 32;
    for (int i = 0; i < 8; ++i) {
        const qreal x = dipPinX(left, i);
        drawDipLeg(p, x, centre.y() - 10, false);
        drawDipLeg(p, x, centre.y() + 10, true);
    }
    const QRectF body(left, centre.y() - 10, 64, 20);
    drawMoldedBody(p, body, QColor(30, 76, 170), 1.2);
    constexpr std::array<bool, 8> on = {false, true, true, false, false, false, true, false};
    for (int i = 0; i < 8; ++i) {
        const qreal x = dipPinX(left, i);
        const QRectF slot(x - 2.2, centre.y() - 6.5, 4.4, 11);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(14, 30, 70));
        p.drawRect(slot);
        const qreal y = on[static_cast<size_t>(i)] ? slot.top() + 0.5 : slot.bottom() - 5.0;
        QLinearGradient lever(0, y, 0, y + 4.5);
        lever.setColorAt(0.0, QColor(250, 250, 246));
        lever.setColorAt(1.0, QColor(190, 190, 184));
        p.setBrush(lever);
        p.drawRect(QRectF(x - 1.9, y, 3.8, 4.5));
        drawText(p, {x, centre.y() + 7.9}, QString::number(i + 1), 1.9, QColor(235, 235, 235), 0,
                 0.9, QFont::Normal);
    }
    drawText(p, {left + 5, centre.y() - 8}, QStringLiteral("ON"), 1.9, QColor(235, 235, 235), 0,
             0.9, QFont::Normal);
}

// An unfitted pin header: black plastic base with square pins, centred in
// `field`.
void drawHeader(QPainter &p, const QRectF &field, int columns, int rows)
{
    const QSizeF size(columns * kJumperPitch, rows * kJumperPitch);
    const QRectF base(field.center().x() - size.width() / 2, field.center().y() - size.height() / 2,
                      size.width(), size.height());
    drawMoldedBody(p, base.adjusted(0.3, 0.3, -0.3, -0.3), QColor(30, 30, 32), 0.8);
    // Grooves between the individual pin housings.
    p.setPen(QPen(QColor(6, 6, 7), 0.6));
    for (int c = 1; c < columns; ++c)
        p.drawLine(QPointF(base.left() + c * kJumperPitch, base.top() + 0.8),
                   QPointF(base.left() + c * kJumperPitch, base.bottom() - 0.8));
    for (int r = 1; r < rows; ++r)
        p.drawLine(QPointF(base.left() + 0.8, base.top() + r * kJumperPitch),
                   QPointF(base.right() - 0.8, base.top() + r * kJumperPitch));
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            const QPointF pin(base.left() + (c + 0.5) * kJumperPitch,
                              base.top() + (r + 0.5) * kJumperPitch);
            const QRectF square(pin.x() - 1.8, pin.y() - 1.8, 3.6, 3.6);
            QLinearGradient g(square.topLeft(), square.bottomRight());
            g.setColorAt(0.0, QColor(255, 236, 170));
            g.setColorAt(0.5, colour::gold);
            g.setColorAt(1.0, QColor(120, 88, 30));
            p.setPen(QPen(QColor(90, 66, 20), 0.3));
            p.setBrush(g);
            p.drawRect(square);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 240, 196, 200));
            p.drawRect(QRectF(pin.x() - 0.7, pin.y() - 0.7, 1.2, 1.2));
        }
    }
}

// Shrouded 2 x 25 box header for the I/O cable.
void drawBoxHeader(QPainter &p)
{
    const QPointF c = kIoHeaderCentre;
    const QRectF shroud(c.x() - 16, kIoHeaderFirstRow - 14, 32, 24 * kPitch + 28);
    drawMoldedBody(p, shroud, QColor(34, 34, 36), 1.2);
    const QRectF cavity = shroud.adjusted(3.2, 3.2, -3.2, -3.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 10, 11));
    p.drawRect(cavity);
    // Polarising slot in the left wall.
    p.drawRect(QRectF(shroud.left() - 0.2, c.y() - 10, 3.6, 20));
    for (int r = 0; r < 25; ++r) {
        for (int col = 0; col < 2; ++col) {
            const QPointF pin(c.x() - 4 + col * kPitch, kIoHeaderFirstRow + r * kPitch);
            QLinearGradient g(pin - QPointF(1.5, 1.5), pin + QPointF(1.5, 1.5));
            g.setColorAt(0.0, QColor(255, 234, 168));
            g.setColorAt(1.0, QColor(150, 112, 44));
            p.setBrush(g);
            p.drawRect(QRectF(pin.x() - 1.5, pin.y() - 1.5, 3.0, 3.0));
        }
    }
    // Pin-one arrow moulded into the shroud.
    p.setBrush(QColor(90, 90, 92));
    p.drawPolygon(QPolygonF({{shroud.left() + 0.6, shroud.top() + 7},
                             {shroud.left() + 2.8, shroud.top() + 9},
                             {shroud.left() + 0.6, shroud.top() + 11}}));
}

// Slot bracket seen edge-on along the right end, with its fixing tabs.
void drawBracket(QPainter &p)
{
    QPainterPath strip;
    strip.addPolygon(QPolygonF({{kBoardRight, -2},
                                {kBoardRight + 9, -2},
                                {kBoardRight + 9, 446},
                                {kBoardRight + 6, 474},
                                {kBoardRight + 3, 474},
                                {kBoardRight, 446}}));
    strip.closeSubpath();
    QLinearGradient zinc(kBoardRight, 0, kBoardRight + 9, 0);
    zinc.setColorAt(0.0, QColor(150, 152, 150));
    zinc.setColorAt(0.3, QColor(232, 232, 226));
    zinc.setColorAt(0.65, QColor(196, 198, 194));
    zinc.setColorAt(1.0, QColor(120, 122, 120));
    p.setPen(QPen(QColor(110, 112, 110), 0.6));
    p.setBrush(zinc);
    p.drawPath(strip);

    for (qreal y : {18.0, 346.0}) {
        const QRectF tab(kBoardRight - 15, y - 9, 16, 18);
        QLinearGradient g(tab.topLeft(), tab.bottomRight());
        g.setColorAt(0.0, QColor(226, 226, 220));
        g.setColorAt(1.0, QColor(150, 152, 148));
        p.setPen(QPen(QColor(120, 122, 118), 0.6));
        p.setBrush(g);
        p.drawRoundedRect(tab, 1.5, 1.5);
        // Cross-head screw.
        const QPointF s(tab.center().x() - 1, y);
        QRadialGradient head(s - QPointF(1.5, 1.5), 6);
        head.setColorAt(0.0, QColor(250, 250, 246));
        head.setColorAt(1.0, QColor(120, 122, 118));
        p.setBrush(head);
        p.drawEllipse(s, 5, 5);
        p.setPen(QPen(QColor(70, 72, 70), 1.0));
        p.drawLine(s + QPointF(-2.6, 0), s + QPointF(2.6, 0));
        p.drawLine(s + QPointF(0, -2.6), s + QPointF(0, 2.6));
    }
}

void drawBarcodeLabel(QPainter &p, const QRectF &r, std::mt19937 &rng)
{
    p.setPen(QPen(QColor(200, 200, 192), 0.4));
    QLinearGradient paper(r.topLeft(), r.bottomRight());
    paper.setColorAt(0.0, QColor(252, 252, 248));
    paper.setColorAt(1.0, QColor(226, 226, 218));
    p.setBrush(paper);
    p.drawRect(r);
    std::uniform_int_distribution<int> bar(1, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(24, 24, 28));
    qreal x = r.left() + 4;
    bool ink = true;
    while (x < r.right() - 4) {
        const qreal w = bar(rng) * 0.55;
        if (ink)
            p.drawRect(QRectF(x, r.top() + 2, w, r.height() - 8));
        x += w;
        ink = !ink;
    }
    drawText(p, {r.center().x(), r.bottom() - 3}, QStringLiteral("S/N 7310-04187"), 2.6,
             QColor(24, 24, 28), 0, 0.8, QFont::Normal);
}

// Parts that sit close to the board and cast short shadows.
void drawLowParts(QPainter &p)
{
    drawController(p);

    drawChip(p, 30, 98, 20, QStringLiteral("PALCE16V8"), QStringLiteral("H-25  9422"));
    drawSticker(p, QRectF(54, 89, 36, 18), QStringLiteral("VX7310"), QStringLiteral("U2 V1.3"));
    drawChip(p, 30, 158, 16, QStringLiteral("74LS138"), QStringLiteral("9409"));
    drawChip(p, 30, 218, 14, QStringLiteral("74LS04"), QStringLiteral("9416"));
    drawChip(p, 40, 36, 14, QStringLiteral("74LS74"), QStringLiteral("9412"));
    drawChip(p, 330, 30, 14, QStringLiteral("74LS14"), QStringLiteral("9420"));
    const std::array<const char *, 4> codes = {"9412A", "9412A", "9415A", "9412A"};
    for (size_t i = 0; i < kBufferRows.size(); ++i)
        drawChip(p, kBufferLeft, kBufferRows[i], 20, QStringLiteral("74LS245"),
                 QString::fromLatin1(codes[i]));
    drawChip(p, kAddressChip.x() - 40, kAddressChip.y(), 20, QStringLiteral("74LS688"),
             QStringLiteral("9403"));
    drawDipSwitch(p, kSwitchCentre);

    drawHeader(p, kIrqdRect, 2, 1);
    drawHeader(p, kIrqtRect, 2, 1);
    drawHeader(p, kIntselRect, 3, 1);
    drawHeader(p, kTstBenRect, 1, 3);

    drawAxialResistor(
        p, {404, 22},
        {QColor(190, 120, 30), QColor(20, 20, 20), QColor(140, 70, 30), QColor(200, 170, 60)});
    drawAxialResistor(
        p, {114, 26},
        {QColor(140, 70, 30), QColor(20, 20, 20), QColor(210, 120, 20), QColor(200, 170, 60)});
    drawAxialResistor(
        p, {114, 46},
        {QColor(140, 70, 30), QColor(20, 20, 20), QColor(210, 120, 20), QColor(200, 170, 60)});

    for (const CeramicCap &cap : kCeramics)
        drawCeramicCap(p, cap.at, cap.blue ? QColor(52, 96, 176) : QColor(214, 168, 44),
                       cap.vertical);

    std::mt19937 rng(4187);
    drawBarcodeLabel(p, QRectF(300, 372, 70, 16), rng);
}

// Tall parts, whose shadows reach further across the board.
void drawTallParts(QPainter &p)
{
    for (qreal row : kBufferRows)
        drawResistorPack(p, {kPackX, row - 20}, 6);
    drawBoxHeader(p);
    drawOscillator(p, QRectF(138, 10, 40, 36));
    drawLed(p, {448, 22});
    drawElectrolytic(p, {160, 262}, 16, QColor(30, 40, 90));
    drawElectrolytic(p, {120, 268}, 11, QColor(22, 22, 26));
    drawElectrolytic(p, {462, 324}, 13, QColor(30, 40, 90));
    drawBracket(p);
}

// ---------------------------------------------------------------------------
// Photographic finish

// Soft reflection of the studio light on the glossy board and parts.
void drawSheen(QPainter &p)
{
    p.save();
    p.setClipPath(boardOutline());
    QRadialGradient glow(QPointF(140, 90), 300);
    glow.setColorAt(0.0, QColor(255, 255, 255, 34));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), glow);
    QLinearGradient band(QPointF(100, 0), QPointF(360, 260));
    band.setColorAt(0.40, QColor(255, 255, 255, 0));
    band.setColorAt(0.50, QColor(255, 255, 255, 16));
    band.setColorAt(0.60, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), band);
    p.restore();

    // The lamp is above the top left corner.
    QLinearGradient falloff(QPointF(0, 0), QPointF(kWidth, kHeight));
    falloff.setColorAt(0.0, QColor(0, 0, 0, 0));
    falloff.setColorAt(1.0, QColor(0, 0, 0, 40));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), falloff);
}

// Sensor grain and a gentle lens vignette.
void finishPhoto(QImage &image)
{
    std::mt19937 rng(517480);
    std::normal_distribution<double> luma(0.0, 2.4);
    std::normal_distribution<double> chroma(0.0, 0.9);
    const double cx = image.width() / 2.0;
    const double cy = image.height() / 2.0;
    const double reach = std::hypot(cx, cy);
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double r = std::hypot(x - cx, y - cy) / reach;
            const double fall = 1.0 - 0.08 * r * r;
            const double n = luma(rng);
            const std::array<double, 3> c = {qRed(row[x]) * fall + n + chroma(rng),
                                             qGreen(row[x]) * fall + n + chroma(rng),
                                             qBlue(row[x]) * fall + n + chroma(rng)};
            auto clamp = [](double v) {
                return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
            };
            row[x] = qRgb(clamp(c[0]), clamp(c[1]), clamp(c[2]));
        }
    }
}

QImage renderPhoto()
{
    QImage photo = paintLayer(drawBackground);
    const QImage board = paintLayer(drawBareBoard);
    const QImage lowParts = paintLayer(drawLowParts);
    const QImage tallParts = paintLayer(drawTallParts);
    {
        QPainter p(&photo);
        p.drawImage(QPointF(5, 7), shadowOf(board, 7, 0.45));
        p.drawImage(QPointF(0, 0), board);
        p.drawImage(QPointF(3, 4), shadowOf(lowParts, 3, 0.6));
        p.drawImage(QPointF(0, 0), lowParts);
        p.drawImage(QPointF(7, 9), shadowOf(tallParts, 6, 0.55));
        p.drawImage(QPointF(0, 0), tallParts);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kOversample, kOversample);
        drawSheen(p);
    }
    QImage small = photo.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
    finishPhoto(small);
    return small.convertToFormat(QImage::Format_RGB888);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: makeboard OUTPUT.jpg\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const QImage photo = renderPhoto();

    QImageWriter writer(output, "jpg");
    writer.setQuality(90);
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    if (!writer.write(photo)) {
        std::fprintf(stderr, "makeboard: cannot write %s: %s\n", argv[1],
                     qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
