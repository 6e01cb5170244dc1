#include "SetupCtrls.h"

#include "DesignLoader.h"
#include "TBoardHighlight.h"
#include "TBoardImage.h"
#include "TRadioPanel.h"
#include "TThreeJumper.h"
#include "TTwoJumper.h"

void RegisterSetupCtrls()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    RegisterComponentClass<TBoardImage>();
    RegisterComponentClass<TBoardHighlight>();
    RegisterComponentClass<TRadioPanel>();
    RegisterComponentClass<TTwoJumper>();
    RegisterComponentClass<TThreeJumper>();
}
