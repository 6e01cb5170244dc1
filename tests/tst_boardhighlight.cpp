#include "RenderRing.h"
#include "TBoardHighlight.h"
#include "TBoardImage.h"
#include "TComponent.h"
#include "TMainForm.h"
#include "TMenu.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

namespace {

QImage noise(int w, int h, quint32 seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, random.generate() | 0xFF000000u);
    return image;
}

// An image as the screen shows it: colour only.
QImage asColour(const QImage &image)
{
    return QImage(image.constBits(), image.width(), image.height(), image.bytesPerLine(),
                  QImage::Format_RGB32)
        .convertToFormat(QImage::Format_ARGB32);
}

QImage screenOf(QWidget *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage ringed(const QImage &beneath, TColor colour, float strength, bool flare)
{
    QImage image = beneath.convertToFormat(QImage::Format_ARGB32);
    RenderRing(image, image.width() - 1, image.height() - 1, flare, colour, strength);
    return image;
}

class CountingHighlight : public TBoardHighlight
{
public:
    using TBoardHighlight::TBoardHighlight;
    int registrations = 0;

protected:
    void RegisterInMenu() override { ++registrations; }
};

// A parent that paints a pattern of its own.
class PaintedParent : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        for (int y = 0; y < height(); y += 3)
            for (int x = 0; x < width(); x += 3)
                p.fillRect(x, y, 3, 3, QColor(x * 4, y * 5, 128));
    }
};

} // namespace

// A board picture that is not exactly a TBoardImage.
class DerivedBoard : public TBoardImage
{
    Q_OBJECT

public:
    using TBoardImage::TBoardImage;
};

class tst_BoardHighlight : public QObject
{
    Q_OBJECT

private slots:
    void construction()
    {
        TBoardHighlight h;
        QCOMPARE(h.size(), QSize(65, 65));
        QVERIFY(h.createPopup());
        QCOMPARE(h.highlightType(), htSettings);
        QVERIFY(!h.radioPanel() && !h.menu() && h.title().isEmpty());
        QVERIFY(!h.hot() && !h.pinned() && !h.popupActive() && !h.ringsBuilt());
        QVERIFY(h.idleImage().isNull() && h.litImage().isNull() && h.flareImage().isNull());
    }

    // Construction must apply the settings look although htSettings is
    // already the value a fresh highlight reports.
    void typeLook_data()
    {
        QTest::addColumn<THighlightType>("type");
        QTest::addColumn<int>("colour");
        QTest::addColumn<float>("idle");
        QTest::addColumn<float>("lit");
        QTest::addColumn<float>("flare");
        QTest::newRow("options") << htOptions << int(clBlue) << 0.25f << 0.5f << 1.0f;
        QTest::newRow("settings") << htSettings << int(clYellow) << 0.5f << 0.75f << 1.0f;
        QTest::newRow("calibration") << htCalibration << int(clRed) << 0.5f << 0.75f << 1.0f;
    }

    void typeLook()
    {
        QFETCH(THighlightType, type);
        QFETCH(int, colour);
        QFETCH(float, idle);
        QFETCH(float, lit);
        QFETCH(float, flare);
        TBoardHighlight h;
        h.setHighlightType(type);
        QCOMPARE(h.highlightType(), type);
        QCOMPARE(int(h.ringColor()), colour);
        QCOMPARE(h.idleStrength(), idle);
        QCOMPARE(h.litStrength(), lit);
        QCOMPARE(h.flareStrength(), flare);
    }

    void titles_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("ident");
        QTest::newRow("accelerator") << "&Digital Interrupt"
                                     << "Digital Interrupt"
                                     << "DigitalInterrupt";
        QTest::newRow("already an identifier") << "Port_2"
                                               << "Port_2"
                                               << "Port_2";
        QTest::newRow("digits inside") << "IRQ 15 &Select"
                                       << "IRQ 15 Select"
                                       << "IRQ15Select";
        QTest::newRow("leading digits") << "8255 Mode &2"
                                        << "8255 Mode 2"
                                        << "Mode2";
        QTest::newRow("leading punctuation") << "(&Base) Address:"
                                             << "(Base) Address:"
                                             << "BaseAddress";
        QTest::newRow("leading underscore kept") << "_x-y"
                                                 << "_x-y"
                                                 << "_xy";
        QTest::newRow("non-ASCII letters")
            << QString::fromUtf8("Über &Größe") << QString::fromUtf8("Über Größe") << "berGre";
        QTest::newRow("doubled ampersand") << "A&&B"
                                           << "AB"
                                           << "AB";
        QTest::newRow("no letter at all") << "12 - 34"
                                          << "12 - 34"
                                          << "";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }

    void titles()
    {
        QFETCH(QString, title);
        QFETCH(QString, caption);
        QFETCH(QString, ident);
        TBoardHighlight h;
        h.setTitle(QStringLiteral("&Previous"));
        h.setTitle(title);
        QCOMPARE(h.title(), title);
        QCOMPARE(h.popupCaption(), caption);
        QCOMPARE(h.menuIdent(), ident);
    }

    // The pixels a highlight captures are what its parent shows there: the
    // board's picture as drawn (stretched, centred or at the corner, with the
    // window's background around it), or any other parent's own drawing.
    void pixelsBeneath_data()
    {
        QTest::addColumn<QString>("parentKind");
        QTest::addColumn<QSize>("parentSize");
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<bool>("center");
        QTest::newRow("stretched twice") << "board" << QSize(40, 30) << true << false;
        QTest::newRow("stretched unevenly") << "board" << QSize(53, 41) << true << false;
        QTest::newRow("centred, margin around") << "board" << QSize(60, 50) << false << true;
        QTest::newRow("top-left, margin right") << "board" << QSize(60, 50) << false << false;
        QTest::newRow("other parent") << "painted" << QSize(60, 50) << false << false;
    }

    void pixelsBeneath()
    {
        QFETCH(QString, parentKind);
        QFETCH(QSize, parentSize);
        QFETCH(bool, stretch);
        QFETCH(bool, center);
        QWidget host;
        host.resize(80, 70);
        host.setAutoFillBackground(true);
        host.setPalette(QPalette(QColor(0x33, 0x66, 0x99)));
        QWidget *parent;
        if (parentKind == QLatin1String("board")) {
            auto *board = new TBoardImage(&host);
            board->setCenterOnForm(false);
            board->setAutoSize(false);
            board->setStretch(stretch);
            board->setCenter(center);
            board->setPicture(noise(20, 15, 5));
            parent = board;
        } else {
            parent = new PaintedParent(&host);
        }
        parent->setGeometry(QRect(QPoint(3, 4), parentSize));
        const QImage screen = screenOf(&host);

        const QRect place(9, 7, 31, 23);
        TBoardHighlight h(parent);
        h.setBounds(place.x(), place.y(), place.width(), place.height());
        const QImage beneath = h.PixelsBeneath();
        QCOMPARE(beneath.format(), QImage::Format_ARGB32);
        QCOMPARE(beneath, screen.copy(place.translated(parent->pos())));
    }

    // At run time the rings are rendered at the first paint and kept; the
    // board picture's menu is taken and the menu hook runs once, only under a
    // board picture of exactly that class.
    void firstPaint_data()
    {
        QTest::addColumn<QString>("parentKind");
        QTest::addColumn<int>("registrations");
        QTest::newRow("board picture") << "board" << 1;
        QTest::newRow("derived board picture") << "derived" << 0;
        QTest::newRow("other parent") << "plain" << 0;
    }

    void firstPaint()
    {
        QFETCH(QString, parentKind);
        QFETCH(int, registrations);
        TMainMenu boardMenu, otherMenu;
        QWidget host;
        TBoardImage *board = nullptr;
        if (parentKind == QLatin1String("board"))
            board = new TBoardImage(&host);
        else if (parentKind == QLatin1String("derived"))
            board = new DerivedBoard(&host);
        QWidget *parent = board ? static_cast<QWidget *>(board) : new QWidget(&host);
        if (board) {
            board->setCenterOnForm(false);
            board->setPicture(noise(60, 50, 9));
            board->setMenu(&boardMenu);
        }
        auto *h = new CountingHighlight(parent);
        h->setBounds(12, 10, 29, 21);
        h->setMenuRef(&otherMenu);
        h->grab();
        QVERIFY(h->ringsBuilt());
        QCOMPARE(h->registrations, registrations);
        QCOMPARE(h->menu(), registrations ? &boardMenu : nullptr);
        for (const QImage *image : {&h->idleImage(), &h->litImage(), &h->flareImage()}) {
            QCOMPARE(image->size(), QSize(29, 21));
            QCOMPARE(image->format(), QImage::Format_ARGB32);
        }

        // Later paints neither re-render nor register again, even after the
        // picture and the type changed.
        const QImage idle = h->idleImage();
        if (board)
            board->setPicture(noise(60, 50, 10));
        h->setHighlightType(htOptions);
        h->grab();
        QCOMPARE(h->registrations, registrations);
        QCOMPARE(h->idleImage(), idle);
    }

    // In design mode every paint renders afresh from what lies beneath.
    void designModeRendersEveryPaint()
    {
        QWidget host;
        auto *board = new TBoardImage(&host);
        board->setPicture(noise(60, 50, 11));
        auto *h = new CountingHighlight(board);
        h->setBounds(5, 5, 20, 20);
        SetComponentState(h, csDesigning);
        h->grab();
        board->setPicture(noise(60, 50, 12));
        h->setHighlightType(htCalibration);
        h->grab();
        QVERIFY(!h->ringsBuilt());
        QCOMPARE(h->registrations, 0);
        QCOMPARE(h->idleImage(), ringed(h->PixelsBeneath(), clRed, 0.5f, false));
    }

    // What the control shows: the chosen image as plain colour, so the
    // flare crest (fourth byte 0) is opaque white on screen.
    void paintShowsChosenImage_data()
    {
        QTest::addColumn<bool>("hot");
        QTest::addColumn<bool>("popupActive");
        QTest::addColumn<QString>("shown");
        QTest::newRow("neither") << false << false << "idle";
        QTest::newRow("hot") << true << false << "lit";
        QTest::newRow("pop-up active") << false << true << "lit";
        QTest::newRow("both") << true << true << "flare";
    }

    void paintShowsChosenImage()
    {
        QFETCH(bool, hot);
        QFETCH(bool, popupActive);
        QFETCH(QString, shown);
        QWidget host;
        auto *board = new TBoardImage(&host);
        board->setPicture(noise(40, 40, 3));
        auto *h = new TBoardHighlight(board);
        h->setBounds(5, 6, 17, 17);
        h->grab();
        h->setHot(hot);
        h->setPopupActiveFlag(popupActive);
        const QImage &expected = shown == QLatin1String("flare") ? h->flareImage()
                                 : shown == QLatin1String("lit") ? h->litImage()
                                                                 : h->idleImage();
        QCOMPARE(&h->currentImage(), &expected);
        const QImage screen = screenOf(h);
        QCOMPARE(screen, asColour(expected));
        // The flare crest at the right end of the middle row.
        const QRgb crest = shown == QLatin1String("flare") ? 0xFFFFFFFFu : screen.pixel(15, 8);
        QCOMPARE(screen.pixel(15, 8), crest);
        if (shown == QLatin1String("flare"))
            QCOMPARE(qAlpha(expected.pixel(15, 8)), 0);
    }

    // The product's highlights, as the program builds and shows them.
    void productHighlights_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("ident");
        QTest::addColumn<QString>("panel");
        QTest::newRow("IRQD") << "IRQDHighlight1" << QRect(196, 7, 29, 21) << "&Digital Interrupt"
                              << "Digital Interrupt"
                              << "DigitalInterrupt"
                              << "IRQDPanel";
        QTest::newRow("BEN") << "BENHighlight" << QRect(270, 16, 18, 33) << "&Buffer Enabling"
                             << "Buffer Enabling"
                             << "BufferEnabling"
                             << "BENPanel";
        QTest::newRow("IRQT") << "IRQTHighlight" << QRect(224, 7, 30, 21) << "&Timer Interrupt"
                              << "Timer Interrupt"
                              << "TimerInterrupt"
                              << "IRQTPanel";
        QTest::newRow("Int") << "IntHighLight" << QRect(212, 36, 44, 20) << "&Interrupt Source"
                             << "Interrupt Source"
                             << "InterruptSource"
                             << "IntPanel";
    }

    void productHighlights()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QString, title);
        QFETCH(QString, caption);
        QFETCH(QString, ident);
        QFETCH(QString, panel);
        TMainForm form;
        auto *board = qobject_cast<TBoardImage *>(FindComponent(&form, "BoardImage1"));
        QVERIFY(board);
        auto *h = qobject_cast<TBoardHighlight *>(FindComponent(&form, name));
        QVERIFY(h);
        QCOMPARE(h->parentWidget(), board);
        QCOMPARE(h->geometry(), place);
        QCOMPARE(h->title(), title);
        QCOMPARE(h->popupCaption(), caption);
        QCOMPARE(h->menuIdent(), ident);
        QCOMPARE(h->highlightType(), htSettings);
        QVERIFY(h->createPopup());
        QVERIFY(h->radioPanel());
        QCOMPARE(h->radioPanel()->objectName(), panel);

        form.Show();
        QTRY_VERIFY(h->ringsBuilt());
        QCOMPARE(h->menu(), board->menu());
        QVERIFY(h->menu());
        // The board draws its photograph at its own size, so the pixels
        // beneath are the photograph's.
        QCOMPARE(board->size(), board->picture().size());
        const QImage photo =
            board->picture().convertToFormat(QImage::Format_ARGB32).copy(h->geometry());
        QCOMPARE(h->idleImage(), ringed(photo, clYellow, 0.5f, false));
        QCOMPARE(h->litImage(), ringed(photo, clYellow, 0.75f, false));
        QCOMPARE(h->flareImage(), ringed(photo, clYellow, 1.0f, true));
        QVERIFY(h->idleImage() != photo);
        QTRY_COMPARE(screenOf(h), asColour(h->idleImage()));
    }

    void productDesignOrder()
    {
        TMainForm form;
        auto *board = qobject_cast<TBoardImage *>(FindComponent(&form, "BoardImage1"));
        QVERIFY(board);
        QStringList order;
        for (QObject *child : board->children())
            if (qobject_cast<TBoardHighlight *>(child))
                order << child->objectName();
        QCOMPARE(order,
                 QStringList({"IRQDHighlight1", "BENHighlight", "IRQTHighlight", "IntHighLight"}));
        QVERIFY(board->first());
        QCOMPARE(board->first()->objectName(), QStringLiteral("BENHighlight"));
    }
};

QTEST_MAIN(tst_BoardHighlight)
#include "tst_boardhighlight.moc"
