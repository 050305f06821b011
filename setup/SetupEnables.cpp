#include "setup/SetupEnables.h"

SetupEnables ComputeSetupEnables(BOOL bClearBackground, BOOL bRandomColor, BOOL bKeyDelay,
                                 BOOL bTimeLimit, BOOL bAutoDisplay) {
    SetupEnables enables{};
    // A random colour is only chosen when the background is cleared; then the chosen colour
    // has no use and its button goes inactive.
    const bool bRandomInForce = bClearBackground && bRandomColor;
    enables.bRandomColorCheck = bClearBackground != 0;
    enables.bColorActive = bRandomInForce ? 0 : 1;
    enables.bColorButton = !bRandomInForce;
    enables.bKeyDelayFields = bKeyDelay != 0;
    enables.bTimeLimitFields = bTimeLimit != 0;
    enables.bAutoDisplayFields = bAutoDisplay != 0;
    return enables;
}
