#include "TRadioPanel.h"

TRadioPanel::TRadioPanel(QWidget *parent) : TControl(parent) {}
