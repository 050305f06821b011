// An off-screen bitmap: 32-bit pixels (the play window's the size of the screen), drawn
// into directly and copied to a window. It remembers what changed since the last copy, so
// a copy sends the window only those parts; the window then shows exactly the bitmap, as
// after a copy of the whole, in a fraction of the time.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

class CBmpImage;
class wxDC;
class wxWindow;

class CBackBitmap {
public:
    CBackBitmap();
    ~CBackBitmap();
    CBackBitmap(const CBackBitmap&) = delete;
    CBackBitmap& operator=(const CBackBitmap&) = delete;

    // Made to be copied to `window` when it is given and shown: where the display server can
    // share memory with the program, the pixels are drawn there and copied from there, and
    // are held once rather than in the program and again in a buffer for the copies.
    bool Create(int width, int height, wxWindow* window = nullptr);
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }

    // Fills the whole bitmap with one colour.
    void Fill(COLORREF colour);
    // Draws `text` with its top left corner at (x, y) on an opaque background.
    void TextOut(int x, int y, const std::string& text, COLORREF background, COLORREF colour);
    // Copies `picture` to (x, y), cutting off what lies outside the bitmap.
    void BitBlt(int x, int y, const CBmpImage& picture);
    // As BitBlt, leaving out every pixel of the key colour (0x00RRGGBB, as the picture's).
    void TransparentBlt(int x, int y, const CBmpImage& picture, std::uint32_t keyColour);

    // Copies the part `src` of `picture` into `dest`, unscaled when both have one size and
    // otherwise stretched by taking the nearest pixel, as Windows' COLORONCOLOR mode does.
    // Parts of `src` beyond the picture leave the bitmap as it was.
    void StretchBlt(const RECT& dest, const CBmpImage& picture, const RECT& src);

    COLORREF GetPixel(int x, int y) const;

    // Brings the window up to date with the bitmap at (0, 0): the parts changed since the
    // last copy; a paint device context gets the whole bitmap.
    void CopyTo(wxWindow* window);
    void CopyTo(wxDC& dc) const;

    // Waits until the display has drawn everything sent to it (for measurements).
    static void WaitForDisplay();

private:
    struct Rect {
        int left, top, right, bottom;
    };
    // A new surface of that size: everything in it is to be sent.
    void Created(int width, int height);
    // Records a changed part, already cut to the bitmap.
    void Changed(const Rect& rect);
    std::uint32_t* Row(int y) const;
    void BeginPixels() const;
    void EndPixels() const;

    void* m_pSurface = nullptr;  // the system's image surface, known only behind the seam
    int m_nWidth = 0;
    int m_nHeight = 0;
    // Parts the window has not received yet; everything when m_bAllDirty.
    std::vector<Rect> m_dirty;
    bool m_bAllDirty = true;
    // While the bitmap is one colour but for m_drawn, a fill in that colour refills m_drawn.
    bool m_bUniform = false;
    COLORREF m_crUniform = 0;
    std::vector<Rect> m_drawn;
};
