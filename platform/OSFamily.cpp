#include "platform/OSFamily.h"

int GetOSFamily() {
    return 2000;
}
