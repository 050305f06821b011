// The off-screen bitmap of the play window: 32-bit pixels the size of the screen, drawn
// into directly and copied to a window in one piece.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/WinTypes.h"

class CBmpImage;
class wxDC;
class wxWindow;
struct _cairo_surface;

class CBackBitmap {
public:
    CBackBitmap();
    ~CBackBitmap();
    CBackBitmap(const CBackBitmap&) = delete;
    CBackBitmap& operator=(const CBackBitmap&) = delete;

    bool Create(int width, int height);
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

    COLORREF GetPixel(int x, int y) const;

    // Copies the whole bitmap to (0, 0) of the window, or of a paint device context.
    void CopyTo(wxWindow* window) const;
    void CopyTo(wxDC& dc) const;

private:
    std::uint32_t* Row(int y) const;
    void BeginPixels() const;
    void EndPixels() const;

    _cairo_surface* m_pSurface = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
};
