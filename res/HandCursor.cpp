#include "res/HandCursor.h"

#include <wx/image.h>

// A hand pointing up and to the left with its index finger, whose tip is the hotspot.
// '#' is the black outline, '.' the white hand, anything else transparent.
static const char* const kHand[32] = {
    "##                              ", "#.#                             ",
    "#..#                            ", " #..#                           ",
    "  #..#                          ", "   #..#                         ",
    "    #..#                        ", "     #..#                       ",
    "      #..#                      ", "       #..#  ##                 ",
    "        #..##..#                ", "         #..#...# ##            ",
    "          #..#...#..#           ", "          #.......#..# #        ",
    "         #...........#.#        ", "        #...............#       ",
    "       #................#       ", "       #................#       ",
    "        #...............#       ", "         #..............#       ",
    "          #............#        ", "           #..........#         ",
    "            #........#          ", "             #......#           ",
    "              ######            ", "                                ",
    "                                ", "                                ",
    "                                ", "                                ",
    "                                ", "                                ",
};

wxCursor LoadHandCursor() {
    wxImage image(32, 32);
    image.SetMask(true);
    image.SetMaskColour(0, 255, 0);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const char c = kHand[y][x];
            if (c == '#') {
                image.SetRGB(x, y, 0, 0, 0);
            } else if (c == '.') {
                image.SetRGB(x, y, 255, 255, 255);
            } else {
                image.SetRGB(x, y, 0, 255, 0);
            }
        }
    }
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_X, 0);
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_Y, 0);
    return wxCursor(image);
}
