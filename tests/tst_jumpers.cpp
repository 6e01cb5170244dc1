#include "TRadioPanel.h"
#include "TThreeJumper.h"
#include "TTwoJumper.h"

#include <QMetaProperty>
#include <QtTest>
#include <memory>

namespace {

enum Role { Background, Body, Pin, Cap, Outline };

QColor roleColor(int role)
{
    switch (role) {
    case Background:
        return QColor::fromRgb(clBtnFace.toQColor().rgb());
    case Body:
        return QColor(0x80, 0x80, 0x80);
    case Pin:
        return QColor(0xFF, 0xFF, 0x00);
    case Cap:
        return QColor(0x80, 0x00, 0x00);
    default:
        return QColor(0, 0, 0);
    }
}

// A property as a design would spell it: enum member names, colour names.
QString propertyText(const QObject *o, const char *name)
{
    const QMetaProperty p = o->metaObject()->property(o->metaObject()->indexOfProperty(name));
    const QVariant v = p.read(o);
    if (p.isEnumType())
        return QString::fromLatin1(p.enumerator().valueToKey(v.toInt()));
    if (v.metaType() == QMetaType::fromType<TColor>())
        return v.value<TColor>().toString();
    return v.toString();
}

std::unique_ptr<TJumper> makeJumper(int pins, QWidget *parent = nullptr)
{
    if (pins == 2)
        return std::make_unique<TTwoJumper>(parent);
    return std::make_unique<TThreeJumper>(parent);
}

QColor pixelAt(const QImage &image, QPoint p)
{
    return QColor::fromRgb(image.pixel(p));
}

} // namespace

class tst_Jumpers : public QObject
{
    Q_OBJECT

private slots:
    void defaults_data()
    {
        QTest::addColumn<int>("pins");
        QTest::addColumn<QStringList>("ownProperties");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("two pins") << 2 << QStringList{"Closed",      "BaseColor",   "PinColor",
                                                      "JumperColor", "Orientation", "BorderStyle"}
                                  << QStringList{"false",    "clGray", "clYellow",
                                                 "clMaroon", "otUp",   "bsSingle"};
        QTest::newRow("three pins")
            << 3 << QStringList{"JumperState", "BaseColor",   "PinColor", "JumperColor",
                                "Orientation", "BorderStyle", "AllowOpen"}
            << QStringList{"jsOpen", "clGray", "clYellow", "clMaroon", "otUp", "bsSingle", "true"};
    }

    void defaults()
    {
        QFETCH(int, pins);
        QFETCH(QStringList, ownProperties);
        QFETCH(QStringList, values);
        const auto jumper = makeJumper(pins);
        QCOMPARE(jumper->size(), pins == 2 ? QSize(34, 18) : QSize(43, 18));
        QCOMPARE(QLatin1String(jumper->metaObject()->className()),
                 QLatin1String(pins == 2 ? "TTwoJumper" : "TThreeJumper"));
        const QMetaObject *mo = jumper->metaObject();
        QStringList declared;
        for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
            declared << QLatin1String(mo->property(i).name());
        QCOMPARE(declared, ownProperties);
        QStringList read;
        for (const QString &name : ownProperties)
            read << propertyText(jumper.get(), name.toLatin1().constData());
        QCOMPARE(read, values);
        QVERIFY(!jumper->swapPending());
        QVERIFY(!jumper->paintedOnce());
    }

    void jumperStateWrites_data()
    {
        QTest::addColumn<bool>("allowOpen");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("write");
        QTest::addColumn<int>("expected");
        QTest::newRow("open allowed") << true << int(jsLeft) << int(jsOpen) << int(jsOpen);
        QTest::newRow("open refused") << false << int(jsLeft) << int(jsOpen) << int(jsLeft);
        QTest::newRow("right without open") << false << int(jsLeft) << int(jsRight) << int(jsRight);
    }

    void jumperStateWrites()
    {
        QFETCH(bool, allowOpen);
        QFETCH(int, start);
        QFETCH(int, write);
        QFETCH(int, expected);
        TThreeJumper jumper;
        jumper.setJumperState(TJumperState(start));
        jumper.setAllowOpen(allowOpen);
        jumper.setJumperState(TJumperState(write));
        QCOMPARE(int(jumper.jumperState()), expected);
    }

    void disallowingOpenMovesCapLeft()
    {
        TThreeJumper jumper;
        QCOMPARE(jumper.jumperState(), jsOpen);
        jumper.setAllowOpen(false);
        QCOMPARE(jumper.jumperState(), jsLeft);
    }

    // Each click advances the state; OnClick comes after the change.
    void clicks_data()
    {
        QTest::addColumn<int>("pins");
        QTest::addColumn<bool>("allowOpen");
        QTest::addColumn<QStringList>("seenByOnClick");
        QTest::newRow("two pins toggle") << 2 << true << QStringList{"true", "false", "true"};
        QTest::newRow("three pins cycle through open")
            << 3 << true << QStringList{"jsLeft", "jsRight", "jsOpen", "jsLeft"};
        QTest::newRow("three pins without open alternate")
            << 3 << false << QStringList{"jsRight", "jsLeft", "jsRight"};
    }

    void clicks()
    {
        QFETCH(int, pins);
        QFETCH(bool, allowOpen);
        QFETCH(QStringList, seenByOnClick);
        QWidget window;
        auto jumper = makeJumper(pins, &window);
        if (auto *three = qobject_cast<TThreeJumper *>(jumper.get()))
            three->setAllowOpen(allowOpen);
        QStringList seen;
        const char *state = pins == 2 ? "Closed" : "JumperState";
        jumper->setOnClick(TNotifyEvent([&](QObject *sender) {
            QCOMPARE(sender, jumper.get());
            seen << propertyText(jumper.get(), state);
        }));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int i = 0; i < seenByOnClick.size(); ++i)
            QTest::mouseClick(jumper.get(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(seen, seenByOnClick);
    }

    // Pixels at the worked coordinates, in the orientation's output frame. Vertical
    // jumpers are made with the turned size, as a design stores them.
    void pixels_data()
    {
        QTest::addColumn<int>("pins");
        QTest::addColumn<int>("state"); // closed for two pins, TJumperState for three
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("role");
        auto row = [](const char *name, int pins, int state, TOrientationType o, QPoint p,
                      Role role) {
            QTest::newRow(name) << pins << state << int(o) << p << int(role);
        };
        // Two pins, 34 x 18: pins 6 px wide at x 8..13 and 20..25, rows 6..11.
        row("2 open up: corner", 2, 0, otUp, {0, 0}, Background);
        row("2 open up: body outline", 2, 0, otUp, {1, 9}, Outline);
        row("2 open up: last outline column", 2, 0, otUp, {32, 9}, Outline);
        row("2 open up: right of body", 2, 0, otUp, {33, 9}, Background);
        row("2 open up: left pin centre", 2, 0, otUp, {11, 9}, Pin);
        row("2 open up: right pin centre", 2, 0, otUp, {23, 9}, Pin);
        row("2 open up: left pin edge", 2, 0, otUp, {8, 9}, Pin);
        row("2 open up: before left pin", 2, 0, otUp, {7, 9}, Body);
        row("2 open up: between pins", 2, 0, otUp, {17, 9}, Body);
        row("2 open up: above pin", 2, 0, otUp, {11, 5}, Body);
        row("2 open up: pin top", 2, 0, otUp, {11, 6}, Pin);
        row("2 closed up: cap outline corner", 2, 1, otUp, {0, 0}, Outline);
        row("2 closed up: cap outline far corner", 2, 1, otUp, {33, 17}, Outline);
        row("2 closed up: cap", 2, 1, otUp, {17, 9}, Cap);
        row("2 closed up: pin on cap", 2, 1, otUp, {11, 9}, Pin);
        row("2 open down: pin edge", 2, 0, otDown, {25, 8}, Pin);
        row("2 open down: before pin", 2, 0, otDown, {26, 8}, Body);
        row("2 open down: outline", 2, 0, otDown, {32, 8}, Outline);
        row("2 open down: corner", 2, 0, otDown, {33, 8}, Background);
        row("2 open left: pin edge", 2, 0, otLeft, {9, 25}, Pin);
        row("2 open left: before pin", 2, 0, otLeft, {9, 26}, Body);
        row("2 open left: outline", 2, 0, otLeft, {9, 32}, Outline);
        row("2 open left: end", 2, 0, otLeft, {9, 33}, Background);
        row("2 open left: beside pin", 2, 0, otLeft, {5, 22}, Body);
        row("2 open left: pin side", 2, 0, otLeft, {6, 22}, Pin);
        row("2 open right: pin edge", 2, 0, otRight, {8, 8}, Pin);
        row("2 open right: before pin", 2, 0, otRight, {8, 7}, Body);
        row("2 open right: outline", 2, 0, otRight, {8, 1}, Outline);
        row("2 open right: end", 2, 0, otRight, {8, 0}, Background);
        // Three pins, 43 x 18: pins at 10, 21, 33; left cap x 0..26, right cap x 15..42.
        row("3 right up: cap outline", 3, jsRight, otUp, {15, 9}, Outline);
        row("3 right up: body left of cap", 3, jsRight, otUp, {14, 9}, Body);
        row("3 right up: cap", 3, jsRight, otUp, {20, 2}, Cap);
        row("3 right up: cap far corner", 3, jsRight, otUp, {42, 17}, Outline);
        row("3 right up: left pin", 3, jsRight, otUp, {10, 9}, Pin);
        row("3 right up: middle pin", 3, jsRight, otUp, {21, 9}, Pin);
        row("3 right up: right pin", 3, jsRight, otUp, {33, 9}, Pin);
        row("3 right up: corner", 3, jsRight, otUp, {0, 0}, Background);
        row("3 left up: cap outline", 3, jsLeft, otUp, {26, 9}, Outline);
        row("3 left up: body right of cap", 3, jsLeft, otUp, {27, 9}, Body);
        row("3 left up: cap corner", 3, jsLeft, otUp, {0, 0}, Outline);
        row("3 left up: far corner", 3, jsLeft, otUp, {42, 0}, Background);
        row("3 open up: corner", 3, jsOpen, otUp, {0, 0}, Background);
        row("3 open up: no cap", 3, jsOpen, otUp, {20, 2}, Body);
        row("3 right down: cap outline", 3, jsRight, otDown, {27, 8}, Outline);
        row("3 right down: body", 3, jsRight, otDown, {28, 8}, Body);
        row("3 right down: cap", 3, jsRight, otDown, {22, 15}, Cap);
        row("3 right down: corner", 3, jsRight, otDown, {42, 17}, Background);
        row("3 right down: cap corner", 3, jsRight, otDown, {0, 0}, Outline);
        row("3 right left: cap outline", 3, jsRight, otLeft, {9, 27}, Outline);
        row("3 right left: body", 3, jsRight, otLeft, {9, 28}, Body);
        row("3 right left: cap", 3, jsRight, otLeft, {2, 22}, Cap);
        row("3 right left: corner", 3, jsRight, otLeft, {0, 42}, Background);
        row("3 right left: cap corner", 3, jsRight, otLeft, {17, 0}, Outline);
        row("3 right right: cap outline", 3, jsRight, otRight, {8, 15}, Outline);
        row("3 right right: body", 3, jsRight, otRight, {8, 14}, Body);
        row("3 right right: middle pin", 3, jsRight, otRight, {8, 21}, Pin);
        row("3 right right: cap", 3, jsRight, otRight, {15, 20}, Cap);
        row("3 right right: corner", 3, jsRight, otRight, {17, 0}, Background);
        row("3 right right: cap corner", 3, jsRight, otRight, {0, 42}, Outline);
    }

    void pixels()
    {
        QFETCH(int, pins);
        QFETCH(int, state);
        QFETCH(int, orientation);
        QFETCH(QPoint, point);
        QFETCH(int, role);
        auto jumper = makeJumper(pins);
        const auto o = TOrientationType(orientation);
        if (IsVertical(o))
            jumper->setBounds(0, 0, jumper->height(), jumper->width());
        jumper->setOrientation(o);
        if (auto *two = qobject_cast<TTwoJumper *>(jumper.get()))
            two->setClosed(state != 0);
        else
            static_cast<TThreeJumper *>(jumper.get())->setJumperState(TJumperState(state));
        const QSize size = jumper->size();
        const QImage image = jumper->grab().toImage();
        QCOMPARE(jumper->size(), size);
        QCOMPARE(image.size(), size);
        QCOMPARE(pixelAt(image, point), roleColor(role));
    }

    // Width and height change places on the paint after a change of axis, and
    // only when the jumper was painted before.
    void sizeExchange_data()
    {
        QTest::addColumn<bool>("paintFirst");
        QTest::addColumn<QList<int>>("orientations");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("up to right") << true << QList<int>{otRight} << QSize(18, 34);
        QTest::newRow("up to left") << true << QList<int>{otLeft} << QSize(18, 34);
        QTest::newRow("up to down") << true << QList<int>{otDown} << QSize(34, 18);
        QTest::newRow("right and back before a paint")
            << true << QList<int>{otRight, otUp} << QSize(34, 18);
        QTest::newRow("right, left, down before a paint")
            << true << QList<int>{otRight, otLeft, otDown} << QSize(34, 18);
        QTest::newRow("not painted yet") << false << QList<int>{otRight} << QSize(34, 18);
    }

    void sizeExchange()
    {
        QFETCH(bool, paintFirst);
        QFETCH(QList<int>, orientations);
        QFETCH(QSize, expected);
        TTwoJumper jumper;
        if (paintFirst)
            jumper.grab();
        for (int o : orientations)
            jumper.setOrientation(TOrientationType(o));
        const QImage firstPaint = jumper.grab().toImage();
        QCOMPARE(jumper.size(), expected);
        QVERIFY(!jumper.swapPending());
        QVERIFY(jumper.paintedOnce());
        // The paint that exchanges the size already draws in the new size.
        if (expected == QSize(18, 34))
            QCOMPARE(pixelAt(firstPaint, {8, 8}), roleColor(Pin));
        const QImage again = jumper.grab().toImage();
        QCOMPARE(jumper.size(), expected);
        QCOMPARE(again, RenderJumper(jumper.look()).convertToFormat(again.format()));
    }

    // r = Min(a div 3, Round(H / 4)) with halves to even: 4.5 gives 4, not 5.
    void pinRadiusRoundsHalvesToEven_data()
    {
        QTest::addColumn<int>("pins");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("pinTop"); // first pin's top pixel
        QTest::newRow("two pins, H 18") << 2 << QSize(70, 18) << QPoint(21, 5);
        QTest::newRow("three pins, H 20") << 3 << QSize(70, 20) << QPoint(16, 6);
    }

    void pinRadiusRoundsHalvesToEven()
    {
        QFETCH(int, pins);
        QFETCH(QSize, size);
        QFETCH(QPoint, pinTop);
        TJumperLook look;
        look.pins = pins;
        look.width = size.width();
        look.height = size.height();
        const QImage image = RenderJumper(look);
        QCOMPARE(pixelAt(image, pinTop), roleColor(Pin));
        QCOMPARE(pixelAt(image, pinTop - QPoint(0, 1)), roleColor(Body));
        QCOMPARE(pixelAt(image, pinTop + QPoint(0, 7)), roleColor(Pin));
        QCOMPARE(pixelAt(image, pinTop + QPoint(0, 8)), roleColor(Body));
    }

    // Only an option-group panel lends the jumper its colour.
    void background_data()
    {
        QTest::addColumn<bool>("inPanel");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("option-group panel") << true << QColor(Qt::white);
        QTest::newRow("other parent") << false << QColor::fromRgb(clBtnFace.toQColor().rgb());
    }

    void background()
    {
        QFETCH(bool, inPanel);
        QFETCH(QColor, expected);
        QWidget plain;
        TRadioPanel panel;
        panel.setColor(clWhite);
        auto *other = new QWidget(&plain);
        QPalette pal = other->palette();
        pal.setColor(QPalette::Window, Qt::white);
        other->setPalette(pal);
        TThreeJumper jumper(inPanel ? static_cast<QWidget *>(&panel) : other);
        QCOMPARE(pixelAt(jumper.grab().toImage(), {0, 0}), expected);
    }

    void borderNoneOutlinesInFillColour_data()
    {
        QTest::addColumn<int>("pins");
        QTest::addColumn<int>("state");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("role");
        QTest::newRow("open body edge") << 2 << 0 << QPoint(1, 9) << int(Body);
        QTest::newRow("closed cap edge") << 2 << 1 << QPoint(0, 0) << int(Cap);
        QTest::newRow("three-pin cap edge") << 3 << int(jsRight) << QPoint(15, 9) << int(Cap);
    }

    void borderNoneOutlinesInFillColour()
    {
        QFETCH(int, pins);
        QFETCH(int, state);
        QFETCH(QPoint, point);
        QFETCH(int, role);
        TJumperLook look;
        look.pins = pins;
        look.width = pins == 2 ? 34 : 43;
        look.closed = state != 0;
        look.state = TJumperState(state);
        look.borderStyle = bsNone;
        QCOMPARE(pixelAt(RenderJumper(look), point), roleColor(role));
    }

    // The turn is exact: a marked pixel lands where each orientation says.
    void turnMapsEveryPixel_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QPoint>("target"); // where drawing (1, 0) of a 4 x 3 image goes
        QTest::newRow("up") << int(otUp) << QPoint(1, 0);
        QTest::newRow("down") << int(otDown) << QPoint(2, 2);
        QTest::newRow("left") << int(otLeft) << QPoint(0, 2);
        QTest::newRow("right") << int(otRight) << QPoint(2, 1);
    }

    void turnMapsEveryPixel()
    {
        QFETCH(int, orientation);
        QFETCH(QPoint, target);
        QImage drawing(4, 3, QImage::Format_RGB32);
        drawing.fill(Qt::black);
        drawing.setPixel(1, 0, qRgb(255, 0, 0));
        const QImage out = TurnJumperDrawing(drawing, TOrientationType(orientation));
        QCOMPARE(out.size(), IsVertical(TOrientationType(orientation)) ? QSize(3, 4) : QSize(4, 3));
        int marked = 0;
        for (int y = 0; y < out.height(); ++y)
            for (int x = 0; x < out.width(); ++x)
                marked += out.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
        QCOMPARE(marked, 1);
        QCOMPARE(out.pixel(target), qRgb(255, 0, 0));
    }
};

QTEST_MAIN(tst_Jumpers)
#include "tst_jumpers.moc"
