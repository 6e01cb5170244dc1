#include "TBoardHighlight.h"

TBoardHighlight::TBoardHighlight(QWidget *parent) : TControl(parent)
{
    resize(65, 65);
}
