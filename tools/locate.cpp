// Finds where a picture is shown on a screenshot: prints the screen position of
// the picture's top-left corner, matched on a patch of the picture that nothing
// is drawn over. Used by the end-to-end tests to aim the pointer.
//   locate SCREENSHOT.png PICTURE.jpg PATCH_X PATCH_Y PATCH_W PATCH_H
#include <QImage>
#include <cstdio>
#include <cstdlib>

static bool matchesAt(const QImage &screen, const QImage &patch, int sx, int sy)
{
    for (int y = 0; y < patch.height(); ++y) {
        const QRgb *s = reinterpret_cast<const QRgb *>(screen.constScanLine(sy + y)) + sx;
        const QRgb *p = reinterpret_cast<const QRgb *>(patch.constScanLine(y));
        for (int x = 0; x < patch.width(); ++x) {
            if (qAbs(qRed(s[x]) - qRed(p[x])) > 6 || qAbs(qGreen(s[x]) - qGreen(p[x])) > 6 ||
                qAbs(qBlue(s[x]) - qBlue(p[x])) > 6)
                return false;
        }
    }
    return true;
}

int main(int argc, char *argv[])
{
    if (argc != 7) {
        std::fprintf(stderr, "usage: locate SCREENSHOT PICTURE PATCH_X PATCH_Y PATCH_W PATCH_H\n");
        return 64;
    }
    const QImage screen =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const QImage picture =
        QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    if (screen.isNull() || picture.isNull()) {
        std::fprintf(stderr, "locate: cannot read the screenshot or the picture\n");
        return 2;
    }
    const QRect patchRect(atoi(argv[3]), atoi(argv[4]), atoi(argv[5]), atoi(argv[6]));
    if (!picture.rect().contains(patchRect) || patchRect.isEmpty()) {
        std::fprintf(stderr, "locate: the patch lies outside the picture\n");
        return 2;
    }
    const QImage patch = picture.copy(patchRect);
    for (int sy = 0; sy + patch.height() <= screen.height(); ++sy) {
        for (int sx = 0; sx + patch.width() <= screen.width(); ++sx) {
            if (matchesAt(screen, patch, sx, sy)) {
                std::printf("%d %d\n", sx - patchRect.x(), sy - patchRect.y());
                return 0;
            }
        }
    }
    std::fprintf(stderr, "locate: the picture is not on the screenshot\n");
    return 1;
}
