#include "TJumper.h"

#include "ClassName.h"
#include "Gdi.h"
#include "Rounding.h"
#include "TRadioPanel.h"

#include <QPainter>
#include <algorithm>

namespace {

QImage renderUnturned(const TJumperLook &look)
{
    // Vertical orientations draw in the exchanged size and are turned afterwards.
    const bool vertical = IsVertical(look.orientation);
    const int W = vertical ? look.height : look.width;
    const int H = vertical ? look.width : look.height;
    QImage drawing(qMax(0, W), qMax(0, H), QImage::Format_RGB32);
    if (drawing.isNull())
        return drawing;

    QPainter painter(&drawing);
    TCanvas canvas(painter);

    canvas.penColor = canvas.brushColor = look.background;
    canvas.Rectangle(0, 0, W, H);

    const bool single = look.borderStyle == bsSingle;
    auto fill = [&](TColor color) {
        canvas.penStyle = psSolid;
        canvas.brushColor = color;
        canvas.penColor = single ? clBlack : color;
    };
    const int corner = H / 2;
    int cx = 0;
    int g = 0;
    int px = 0;
    int r = 0;
    if (look.pins == 2) {
        const int a = Round(W / 3.5);
        px = a + 1;
        r = std::min(a / 3, Round(H / 4.0));
        if (look.closed) {
            fill(look.jumperColor);
            canvas.Rectangle(0, 0, W, H);
        } else {
            fill(look.baseColor);
            canvas.RoundRect(1, 1, W - 1, H - 1, corner, corner);
        }
    } else {
        const int a = Round((W - 2) / 4.5);
        px = a + 1;
        r = std::min(a / 3, Round((H - 2) / 4.0));
        cx = W / 2;
        g = cx - px + 2;
        fill(look.baseColor);
        canvas.RoundRect(1, 1, W - 1, H - 1, corner, corner);
        fill(look.jumperColor);
        if (look.state == jsLeft)
            canvas.Rectangle(0, 0, cx + g / 2, H);
        else if (look.state == jsRight)
            canvas.Rectangle(cx - g / 2, 0, W, H);
    }

    canvas.penStyle = psClear;
    canvas.brushColor = look.pinColor;
    const int cy = H / 2;
    auto pin = [&](int x) { canvas.Ellipse(x - r, cy - r, x + r, cy + r); };
    pin(px);
    if (look.pins == 3)
        pin(cx);
    pin(W - px);
    return drawing;
}

} // namespace

QImage TurnJumperDrawing(const QImage &drawing, TOrientationType orientation)
{
    const int W = drawing.width();
    const int H = drawing.height();
    if (orientation == otUp)
        return drawing;
    const bool vertical = IsVertical(orientation);
    QImage output(vertical ? H : W, vertical ? W : H, QImage::Format_RGB32);
    for (int j = 0; j < H; ++j) {
        const auto *row = reinterpret_cast<const QRgb *>(drawing.constScanLine(j));
        for (int i = 0; i < W; ++i) {
            int x = i;
            int y = j;
            switch (orientation) {
            case otUp:
                break;
            case otDown:
                x = W - 1 - i;
                y = H - 1 - j;
                break;
            case otLeft:
                x = j;
                y = W - 1 - i;
                break;
            case otRight:
                x = H - 1 - j;
                y = i;
                break;
            }
            reinterpret_cast<QRgb *>(output.scanLine(y))[x] = row[i];
        }
    }
    return output;
}

QImage RenderJumper(const TJumperLook &look)
{
    return TurnJumperDrawing(renderUnturned(look), look.orientation);
}

TJumper::TJumper(QWidget *parent) : TControl(parent) {}

void TJumper::setBaseColor(TColor color)
{
    if (m_baseColor == color)
        return;
    m_baseColor = color;
    update();
}

void TJumper::setPinColor(TColor color)
{
    if (m_pinColor == color)
        return;
    m_pinColor = color;
    update();
}

void TJumper::setJumperColor(TColor color)
{
    if (m_jumperColor == color)
        return;
    m_jumperColor = color;
    update();
}

void TJumper::setOrientation(TOrientationType orientation)
{
    if (m_orientation == orientation)
        return;
    // Two changes across the axes before a paint cancel out, so the size is
    // exchanged only when the axis really differs from the one last painted.
    if (IsVertical(orientation) != IsVertical(m_orientation))
        m_swapPending = !m_swapPending;
    m_orientation = orientation;
    update();
}

void TJumper::setBorderStyle(TBorderStyle style)
{
    if (m_borderStyle == style)
        return;
    m_borderStyle = style;
    update();
}

TColor TJumper::backgroundColor() const
{
    if (IsClass(parent(), "TRadioPanel"))
        return static_cast<const TRadioPanel *>(parent())->color();
    return clBtnFace;
}

TJumperLook TJumper::look() const
{
    TJumperLook look;
    look.width = width();
    look.height = height();
    look.orientation = m_orientation;
    look.borderStyle = m_borderStyle;
    look.baseColor = m_baseColor;
    look.pinColor = m_pinColor;
    look.jumperColor = m_jumperColor;
    look.background = backgroundColor();
    fillLook(look);
    return look;
}

void TJumper::paintEvent(QPaintEvent *)
{
    // The size follows a change of axis before drawing, so the drawing is made
    // in the turned size at once. A design loaded with a vertical orientation
    // already carries the turned size, so the first paint never exchanges it.
    if (m_swapPending) {
        m_swapPending = false;
        if (m_paintedOnce)
            setBounds(x(), y(), height(), width());
    }
    m_output = RenderJumper(look());
    QPainter painter(this);
    painter.drawImage(0, 0, m_output);
    m_paintedOnce = true;
}
