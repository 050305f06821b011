// Saves the settings to the file named on the command line over and over, alternating the
// key delay between 100 and 200 ms, until it is killed. Writes one byte to its output once
// the first save is done.
#include <unistd.h>

#include "common/Settings.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    theSettings.SetDefaults();
    theSettings.m_strIniPath = argv[1];
    for (unsigned i = 0;; ++i) {
        theSettings.m_nKeyDelay = i % 2 == 0 ? 100 : 200;
        theSettings.Save();
        if (i == 0 && ::write(1, "r", 1) != 1) {
            return 1;
        }
    }
}
