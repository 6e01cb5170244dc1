#pragma once

#include "TControl.h"

// The container of one option group.
class TRadioPanel : public TControl
{
    Q_OBJECT

public:
    explicit TRadioPanel(QWidget *parent = nullptr);
};
