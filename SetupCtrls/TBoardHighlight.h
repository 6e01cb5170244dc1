#pragma once

#include "TControl.h"
#include "TRadioPanel.h"

// A ring marker on the board picture over one jumper or feature.
class TBoardHighlight : public TControl
{
    Q_OBJECT

public:
    explicit TBoardHighlight(QWidget *parent = nullptr);
};
