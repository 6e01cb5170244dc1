#pragma once

#include "TColor.h"

class QPainter;

// Shape drawing the way designs and the component drawings expect it: every
// shape covers the box from (left, top) up to but not including (right, bottom),
// is filled with the brush and, unless the pen is clear, outlined one pixel wide
// with the pen inside that box. Drawing is aliased, so results are exact pixels.
enum TPenStyle { psSolid, psClear };

struct TCanvas
{
    explicit TCanvas(QPainter &painter) : painter(painter) {}

    QPainter &painter;
    TColor penColor = clBlack;
    TPenStyle penStyle = psSolid;
    TColor brushColor = clWhite;

    void Rectangle(int left, int top, int right, int bottom);
    // ellipseWidth and ellipseHeight give the size of the corner ellipse.
    void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    void Ellipse(int left, int top, int right, int bottom);
};
