// The Setup dialog's enable rules, decided from the five option check boxes.
#pragma once

#include "platform/WinTypes.h"

struct SetupEnables {
    bool bRandomColorCheck;   // "Change the Color Randomly" (1006)
    BOOL bColorActive;        // the colour button shows the colour, not the inactive look
    bool bColorButton;        // the colour button (1014)
    bool bKeyDelayFields;     // 1008 and 1010
    bool bTimeLimitFields;    // 1012 and 1013
    bool bAutoDisplayFields;  // 1015 and 1021
};

SetupEnables ComputeSetupEnables(BOOL bClearBackground, BOOL bRandomColor, BOOL bKeyDelay,
                                 BOOL bTimeLimit, BOOL bAutoDisplay);
