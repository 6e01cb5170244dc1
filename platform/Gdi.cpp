#include "Gdi.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace {

// The pixels of a box [left, right) x [top, bottom) with rounded corners of the
// given radii, as one span of columns per row. A pixel belongs to the shape when
// its centre does, so the result is symmetric and exact.
struct Spans
{
    int top = 0;
    std::vector<int> first; // first column of each row (past the last one when empty)
    std::vector<int> last;  // last column of each row

    bool contains(int x, int y) const
    {
        const int row = y - top;
        if (row < 0 || row >= int(first.size()))
            return false;
        return x >= first[row] && x <= last[row];
    }
};

Spans roundedSpans(int left, int top, int right, int bottom, double rx, double ry)
{
    Spans s;
    s.top = top;
    rx = std::clamp(rx, 0.0, (right - left) / 2.0);
    ry = std::clamp(ry, 0.0, (bottom - top) / 2.0);
    for (int y = top; y < bottom; ++y) {
        const double py = y + 0.5;
        int first = right;
        int last = left - 1;
        for (int x = left; x < right; ++x) {
            const double px = x + 0.5;
            bool inside = true;
            if (rx > 0 && ry > 0) {
                const double cx = std::clamp(px, left + rx, right - rx);
                const double cy = std::clamp(py, top + ry, bottom - ry);
                const double dx = (px - cx) / rx;
                const double dy = (py - cy) / ry;
                inside = dx * dx + dy * dy <= 1.0;
            }
            if (inside) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
        s.first.push_back(first);
        s.last.push_back(last);
    }
    return s;
}

// Fills the shape with the brush; a solid pen colours every shape pixel that
// has a neighbour outside the shape.
void paintShape(QPainter &painter, const Spans &s, const TCanvas &canvas)
{
    const QColor brush = canvas.brushColor.toQColor();
    const QColor pen = canvas.penColor.toQColor();
    const bool outline = canvas.penStyle == psSolid;
    for (int row = 0; row < int(s.first.size()); ++row) {
        const int y = s.top + row;
        const int first = s.first[row];
        const int last = s.last[row];
        int runStart = first;
        bool runIsPen = false;
        for (int x = first; x <= last; ++x) {
            const bool isPen = outline && (!s.contains(x - 1, y) || !s.contains(x + 1, y) ||
                                           !s.contains(x, y - 1) || !s.contains(x, y + 1));
            if (x == first) {
                runIsPen = isPen;
            } else if (isPen != runIsPen) {
                painter.fillRect(QRect(runStart, y, x - runStart, 1), runIsPen ? pen : brush);
                runStart = x;
                runIsPen = isPen;
            }
        }
        if (last >= first)
            painter.fillRect(QRect(runStart, y, last + 1 - runStart, 1), runIsPen ? pen : brush);
    }
}

} // namespace

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    paintShape(painter, roundedSpans(left, top, right, bottom, 0, 0), *this);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight)
{
    paintShape(painter,
               roundedSpans(left, top, right, bottom, ellipseWidth / 2.0, ellipseHeight / 2.0),
               *this);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    paintShape(painter,
               roundedSpans(left, top, right, bottom, (right - left) / 2.0, (bottom - top) / 2.0),
               *this);
}
