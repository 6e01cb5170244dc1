#pragma once

#include "JumperTypes.h"
#include "TColor.h"
#include "TControl.h"

#include <QImage>

// Everything a jumper drawing depends on.
struct TJumperLook
{
    int width = 34; // the control's size
    int height = 18;
    int pins = 2;                // 2 or 3
    bool closed = false;         // two pins: cap fitted
    TJumperState state = jsOpen; // three pins: cap position
    TOrientationType orientation = otUp;
    TBorderStyle borderStyle = bsSingle;
    TColor baseColor = clGray;
    TColor pinColor = clYellow;
    TColor jumperColor = clMaroon;
    TColor background = clBtnFace;
};

// The drawing as the control shows it: drawn unturned, then turned to its
// orientation. Vertical orientations give an image of height x width.
QImage RenderJumper(const TJumperLook &look);
// Turns an unturned drawing to the orientation (otUp keeps it as it is).
QImage TurnJumperDrawing(const QImage &drawing, TOrientationType orientation);

// What both jumper drawings share: colours, orientation, border and painting.
// The concrete classes declare the design properties in their own order.
class TJumper : public TControl
{
    Q_OBJECT

public:
    explicit TJumper(QWidget *parent = nullptr);

    TColor baseColor() const { return m_baseColor; }
    void setBaseColor(TColor color);
    TColor pinColor() const { return m_pinColor; }
    void setPinColor(TColor color);
    TColor jumperColor() const { return m_jumperColor; }
    void setJumperColor(TColor color);
    TOrientationType orientation() const { return m_orientation; }
    void setOrientation(TOrientationType orientation);
    TBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);

    bool swapPending() const { return m_swapPending; }
    bool paintedOnce() const { return m_paintedOnce; }

    // The colour behind the header: an option-group panel's colour, else button face.
    TColor backgroundColor() const;
    TJumperLook look() const;

protected:
    virtual void fillLook(TJumperLook &look) const = 0;
    void paintEvent(QPaintEvent *event) override;

private:
    TColor m_baseColor = clGray;
    TColor m_pinColor = clYellow;
    TColor m_jumperColor = clMaroon;
    TOrientationType m_orientation = otUp;
    TBorderStyle m_borderStyle = bsSingle;
    bool m_swapPending = false;
    bool m_paintedOnce = false;
    QImage m_output;
};
