#include "TBoardImage.h"
#include "TComponent.h"
#include "TForm.h"

#include <QtTest>

namespace {

// Four solid quadrants, so a stretched copy shows where each part landed.
QImage quadrants(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y,
                           x < w / 2 ? (y < h / 2 ? 0xffff0000 : 0xff00ff00)
                                     : (y < h / 2 ? 0xff0000ff : 0xffffff00));
    return image;
}

void paintOnce(QWidget *w)
{
    w->grab();
}

} // namespace

class tst_BoardImage : public QObject
{
    Q_OBJECT

private slots:
    void construction()
    {
        TBoardImage board;
        QCOMPARE(board.size(), QSize(105, 105));
        QCOMPARE(board.aspect(), 1.0);
        QVERIFY(board.autoSize() && board.scale() && board.centerOnForm());
        QVERIFY(!board.stretch() && !board.center() && !board.first() && !board.menu());
    }

    void centring_data()
    {
        QTest::addColumn<QSize>("parent");
        QTest::addColumn<QSize>("board");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<QPoint>("afterGrowing"); // parent 100 wider, 50 higher
        QTest::newRow("even") << QSize(800, 600) << QSize(500, 400) << QPoint(150, 100)
                              << QPoint(200, 125);
        QTest::newRow("odd difference truncates")
            << QSize(801, 601) << QSize(500, 400) << QPoint(150, 100) << QPoint(200, 125);
        QTest::newRow("odd board")
            << QSize(800, 600) << QSize(517, 480) << QPoint(141, 60) << QPoint(191, 85);
        // Wider than the parent: overhangs both sides, halving toward zero
        // (-17 / 2 is -8, where 83 / 2 is 41).
        QTest::newRow("wider than parent")
            << QSize(500, 470) << QSize(517, 480) << QPoint(-8, -5) << QPoint(41, 20);
    }

    void centring()
    {
        QFETCH(QSize, parent);
        QFETCH(QSize, board);
        QFETCH(QPoint, topLeft);
        QFETCH(QPoint, afterGrowing);
        QWidget host;
        host.resize(parent);
        auto *b = new TBoardImage(&host);
        b->setAutoSize(false);
        b->setBounds(3, 4, board.width(), board.height());
        paintOnce(b);
        QCOMPARE(b->pos(), topLeft);
        // The first paint recorded where the design put it.
        QCOMPARE(QPoint(b->designLeft(), b->designTop()), QPoint(3, 4));

        // Later paints and resizes keep centring; the design position stays.
        host.resize(parent + QSize(100, 50));
        paintOnce(b);
        QCOMPARE(b->pos(), afterGrowing);
        QCOMPARE(QPoint(b->designLeft(), b->designTop()), QPoint(3, 4));
    }

    // In a window the outer size (frame included) decides, not the client size.
    void centresByTheWindowsOuterSize()
    {
        TForm form;
        form.resize(700, 560);
        auto *b = new TBoardImage(form.clientArea());
        b->setAutoSize(false);
        b->setBounds(70, 26, 517, 480);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(b->firstPaintDone());
        const QSize outer = form.frameGeometry().size();
        QCOMPARE(b->pos(), QPoint((outer.width() - 517) / 2, (outer.height() - 480) / 2));
        QCOMPARE(QPoint(b->designLeft(), b->designTop()), QPoint(70, 26));

        form.resize(900, 700);
        QTRY_COMPARE(b->x(), (form.frameGeometry().width() - 517) / 2);
    }

    void noCentringWhenOffOrDesigning()
    {
        QWidget host;
        host.resize(400, 400);
        auto *off = new TBoardImage(&host);
        off->setCenterOnForm(false);
        off->setBounds(5, 6, 50, 50);
        auto *designing = new TBoardImage(&host);
        SetComponentState(designing, csDesigning);
        designing->setBounds(7, 8, 50, 50);
        paintOnce(off);
        paintOnce(designing);
        QCOMPARE(off->pos(), QPoint(5, 6));
        QCOMPARE(designing->pos(), QPoint(7, 8));
    }

    void pictureSizesAndAspect()
    {
        TBoardImage board;
        board.setPicture(quadrants(40, 30));
        QCOMPARE(board.size(), QSize(40, 30)); // AutoSize
        QCOMPARE(board.aspect(), 0.75);

        // An empty picture changes neither the aspect nor the bounds.
        board.setPicture(QImage());
        QCOMPARE(board.aspect(), 0.75);
        QCOMPARE(board.size(), QSize(40, 30));
        board.setPicture(QImage(0, 10, QImage::Format_RGB32));
        QCOMPARE(board.aspect(), 0.75);
        QCOMPARE(board.size(), QSize(40, 30));

        // Without AutoSize the control keeps its own size.
        board.setAutoSize(false);
        board.setBounds(0, 0, 90, 90);
        board.setPicture(quadrants(20, 10));
        QCOMPARE(board.size(), QSize(90, 90));
        QCOMPARE(board.aspect(), 0.5);
    }

    void destinationRect_data()
    {
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<bool>("center");
        QTest::addColumn<QRect>("dest");
        // A 20 x 10 picture in a 51 x 31 control.
        QTest::newRow("top-left") << false << false << QRect(0, 0, 20, 10);
        QTest::newRow("centred, halves truncate") << false << true << QRect(15, 10, 20, 10);
        QTest::newRow("stretch wins over centre") << true << true << QRect(0, 0, 51, 31);
    }

    void destinationRect()
    {
        QFETCH(bool, stretch);
        QFETCH(bool, center);
        QFETCH(QRect, dest);
        TBoardImage board;
        board.setAutoSize(false);
        board.setBounds(0, 0, 51, 31);
        board.setPicture(quadrants(20, 10));
        board.setStretch(stretch);
        board.setCenter(center);
        QCOMPARE(board.destRect(), dest);
    }

    // AutoSize off, Stretch on: the picture fills the control at any size.
    void stretchFillsTheControl_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("native") << QSize(8, 6);
        QTest::newRow("larger") << QSize(30, 20);
        QTest::newRow("smaller odd") << QSize(5, 3);
    }

    void stretchFillsTheControl()
    {
        QFETCH(QSize, size);
        QWidget host;
        host.resize(200, 200);
        auto *board = new TBoardImage(&host);
        board->setCenterOnForm(false);
        board->setAutoSize(false);
        board->setStretch(true);
        board->setBounds(0, 0, size.width(), size.height());
        board->setPicture(quadrants(8, 6));
        const QImage shot = board->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shot.size(), size);
        const int w = size.width(), h = size.height();
        QCOMPARE(shot.pixel(0, 0), 0xffff0000u);
        QCOMPARE(shot.pixel(w - 1, 0), 0xff0000ffu);
        QCOMPARE(shot.pixel(0, h - 1), 0xff00ff00u);
        QCOMPARE(shot.pixel(w - 1, h - 1), 0xffffff00u);
    }

    void designTimeScaleAndOutline()
    {
        QWidget host;
        host.resize(300, 300);
        auto *board = new TBoardImage(&host);
        SetComponentState(board, csDesigning);
        board->setAutoSize(false);
        board->setPicture(quadrants(40, 20));
        board->setBounds(10, 10, 100, 100);
        board->grab();
        QCOMPARE(board->size(), QSize(100, 50)); // Height = Round(Width x aspect)
        // With an empty picture a designer may size the control freely.
        auto *empty = new TBoardImage(&host);
        SetComponentState(empty, csDesigning);
        empty->setBounds(0, 0, 77, 66);
        QCOMPARE(empty->size(), QSize(77, 66));
    }

    void startTourMessageIsAnswered()
    {
        TBoardImage board;
        QEvent tour(StartTourEventType());
        QVERIFY(QCoreApplication::sendEvent(&board, &tour));
        QCOMPARE(int(StartTourEventType()), QEvent::User + 0x4A2);
    }
};

QTEST_MAIN(tst_BoardImage)
#include "tst_boardimage.moc"
