#include <QFile>
#include <QImage>
#include <QtTest>

// The photograph embedded in the program must be a baseline JPEG of 517 x 480
// pixels with three colour components: that is what the design's board picture
// is sized for and what every JPEG decoder reads.
class tst_BoardPhoto : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(template); }

    void markers()
    {
        QFile file(":/assets/board.jpg");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QVERIFY(data.startsWith("\xFF\xD8")); // start of image

        // Walk the marker segments up to the start of scan.
        int pos = 2;
        int frames = 0;
        int baselineFrames = 0;
        int width = 0, height = 0, components = 0, precision = 0;
        while (pos + 4 <= data.size()) {
            QCOMPARE(quint8(data[pos]), quint8(0xFF));
            const quint8 marker = quint8(data[pos + 1]);
            const int length = (quint8(data[pos + 2]) << 8) | quint8(data[pos + 3]);
            QVERIFY(length >= 2 && pos + 2 + length <= data.size());
            const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 &&
                               marker != 0xC8 && marker != 0xCC;
            if (frame) {
                ++frames;
                if (marker == 0xC0)
                    ++baselineFrames;
                precision = quint8(data[pos + 4]);
                height = (quint8(data[pos + 5]) << 8) | quint8(data[pos + 6]);
                width = (quint8(data[pos + 7]) << 8) | quint8(data[pos + 8]);
                components = quint8(data[pos + 9]);
            }
            if (marker == 0xDA) // start of scan: the frame header came before it
                break;
            pos += 2 + length;
        }
        QCOMPARE(frames, 1);
        QCOMPARE(baselineFrames, 1);
        QCOMPARE(precision, 8);
        QCOMPARE(width, 517);
        QCOMPARE(height, 480);
        QCOMPARE(components, 3);
        QVERIFY(data.endsWith("\xFF\xD9")); // end of image
    }

    void decodes()
    {
        const QImage image(":/assets/board.jpg");
        QCOMPARE(image.size(), QSize(517, 480));
        QVERIFY(!image.isGrayscale());
    }
};

QTEST_MAIN(tst_BoardPhoto)
#include "tst_boardphoto.moc"
