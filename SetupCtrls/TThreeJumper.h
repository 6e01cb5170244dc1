#pragma once

#include "TJumper.h"

// A three-pin header whose cap bridges the left pair, the right pair or nothing.
// A click moves the cap on: open, left, right, then open again (or left when
// the open state is not allowed).
class TThreeJumper : public TJumper
{
    Q_OBJECT
    Q_PROPERTY(JumperTypes::TJumperState JumperState READ jumperState WRITE setJumperState)
    Q_PROPERTY(TColor BaseColor READ baseColor WRITE setBaseColor)
    Q_PROPERTY(TColor PinColor READ pinColor WRITE setPinColor)
    Q_PROPERTY(TColor JumperColor READ jumperColor WRITE setJumperColor)
    Q_PROPERTY(JumperTypes::TOrientationType Orientation READ orientation WRITE setOrientation)
    Q_PROPERTY(Controls::TBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool AllowOpen READ allowOpen WRITE setAllowOpen)

public:
    explicit TThreeJumper(QWidget *parent = nullptr);

    TJumperState jumperState() const { return m_state; }
    void setJumperState(TJumperState state);
    bool allowOpen() const { return m_allowOpen; }
    void setAllowOpen(bool allow);

    void Click() override;

protected:
    void fillLook(TJumperLook &look) const override;

private:
    TJumperState m_state = jsOpen;
    bool m_allowOpen = true;
};
