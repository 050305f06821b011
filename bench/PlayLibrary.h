// The libraries and the measurement the play-path harnesses of both systems share.
#pragma once

#include <filesystem>
#include <string>

class CMainDialog;
class CMyGameWnd;

// A 24-bit BMP: a checkerboard of the key colour (white) and paint, half of it cut away
// when it is drawn cut out.
void WriteCheckerboard(const std::string& path, int width, int height);

// A group of `pictures`: 800x600 checkerboards, or one-byte stand-ins for a library whose
// pictures are only counted; every third with its own sound, every second on the cut list.
void MakeGroup(const std::filesystem::path& dir, const std::string& folder, int pictures,
               bool bBig);

// A real full-screen game of one 800x600 picture in a library made in `dir`, without the key
// delay or the automatic display, shown and settled.
void StartDisplayGame(CMainDialog& dialog, const std::filesystem::path& dir);

// BeginGame over a library of 100 groups with 100 pictures each, made in `dir`, ten times;
// prints the median. `settleSeconds` lets a library just written age first (Linux lists a
// folder changed in the last seconds afresh at every look-up).
void MeasureBeginGame(CMyGameWnd& game, const std::filesystem::path& dir, double settleSeconds);

// 300 displays of the running game, each until it is on the screen; prints the median and
// the 90th percentile.
void MeasureDisplays(CMyGameWnd& game, const char* picture, bool bCut);
