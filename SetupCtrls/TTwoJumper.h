#pragma once

#include "TJumper.h"

// A two-pin header whose cap is fitted (Closed) or not. A click toggles it; in an
// option-group panel with RadioEnabled, the panel keeps one of its two-pin
// jumpers closed.
class TTwoJumper : public TJumper
{
    Q_OBJECT
    Q_PROPERTY(bool Closed READ closed WRITE setClosed)
    Q_PROPERTY(TColor BaseColor READ baseColor WRITE setBaseColor)
    Q_PROPERTY(TColor PinColor READ pinColor WRITE setPinColor)
    Q_PROPERTY(TColor JumperColor READ jumperColor WRITE setJumperColor)
    Q_PROPERTY(JumperTypes::TOrientationType Orientation READ orientation WRITE setOrientation)
    Q_PROPERTY(Controls::TBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)

public:
    explicit TTwoJumper(QWidget *parent = nullptr);

    bool closed() const { return m_closed; }
    void setClosed(bool closed);

    void Click() override;

protected:
    void fillLook(TJumperLook &look) const override;

private:
    bool m_closed = false;
};
