#include "Gdi.h"

#include <QPainter>
#include <QtTest>

// Shapes are checked as pictures: '.' untouched, '#' pen, 'o' brush.
class tst_Gdi : public QObject
{
    Q_OBJECT

private slots:
    void shapes_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QList<int>>("box"); // left, top, right, bottom
        QTest::addColumn<bool>("pen");
        QTest::addColumn<QStringList>("picture");

        QTest::newRow("rectangle outline excludes right and bottom")
            << "Rectangle" << QList<int>{1, 1, 5, 4} << true
            << QStringList{"......", ".####.", ".#oo#.", ".####.", "......"};
        QTest::newRow("rectangle without pen fills the same box")
            << "Rectangle" << QList<int>{1, 1, 5, 4} << false
            << QStringList{"......", ".oooo.", ".oooo.", ".oooo.", "......"};
        QTest::newRow("one pixel wide rectangle is all outline")
            << "Rectangle" << QList<int>{1, 0, 2, 3} << true
            << QStringList{".#.", ".#.", ".#.", "..."};
        QTest::newRow("empty box draws nothing") << "Rectangle" << QList<int>{2, 2, 2, 4} << true
                                                 << QStringList{"...", "...", "...", "..."};
        QTest::newRow("pin-sized ellipse without pen is round and symmetric")
            << "Ellipse" << QList<int>{0, 0, 6, 6} << false
            << QStringList{".oooo..", "oooooo.", "oooooo.", "oooooo.",
                           "oooooo.", ".oooo..", "......."};
        QTest::newRow("ellipse with pen")
            << "Ellipse" << QList<int>{0, 0, 6, 6} << true
            << QStringList{".####.", "#oooo#", "#oooo#", "#oooo#", "#oooo#", ".####."};
        QTest::newRow("round rect corners are quarter ellipses of 6 x 6")
            << "RoundRect" << QList<int>{0, 0, 10, 6} << true
            << QStringList{".########.", "#oooooooo#", "#oooooooo#",
                           "#oooooooo#", "#oooooooo#", ".########."};
    }

    void shapes()
    {
        QFETCH(QString, shape);
        QFETCH(QList<int>, box);
        QFETCH(bool, pen);
        QFETCH(QStringList, picture);

        QImage image(int(picture.first().size()), int(picture.size()), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            TCanvas canvas(painter);
            canvas.penColor = clBlack;
            canvas.penStyle = pen ? psSolid : psClear;
            canvas.brushColor = clRed;
            const int l = box[0], t = box[1], r = box[2], b = box[3];
            if (shape == QLatin1String("Rectangle"))
                canvas.Rectangle(l, t, r, b);
            else if (shape == QLatin1String("Ellipse"))
                canvas.Ellipse(l, t, r, b);
            else
                canvas.RoundRect(l, t, r, b, 6, 6);
        }
        QStringList drawn;
        for (int y = 0; y < image.height(); ++y) {
            QString row;
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y) & 0xFFFFFF;
                row += c == 0xFFFFFF   ? QLatin1Char('.')
                       : c == 0        ? QLatin1Char('#')
                       : c == 0xFF0000 ? QLatin1Char('o')
                                       : QLatin1Char('?');
            }
            drawn << row;
        }
        QCOMPARE(drawn, picture);
    }
};

QTEST_MAIN(tst_Gdi)
#include "tst_gdi.moc"
