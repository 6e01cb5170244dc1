#include "SetupCtrls.h"

#include "DesignLoader.h"
#include "TBoardHighlight.h"
#include "TBoardImage.h"
#include "TRadioPanel.h"

void RegisterSetupCtrls()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    RegisterComponentClass<TBoardImage>();
    RegisterComponentClass<TBoardHighlight>();
    RegisterComponentClass<TRadioPanel>();
}
