// A memory DC over a white 32-bit picture that reports the resolution a test gives it: give the
// two axes different resolutions and a value converted on the wrong axis shows.
#pragma once

#include "framework/ui/gdi.h"

#include <windows.h>

class PrintTestDC : public CDC {
public:
    PrintTestDC(int width, int height, int dpiX, int dpiY)
        : m_width(width), m_height(height), m_dpiX(dpiX), m_dpiY(dpiY)
    {
        Attach(::CreateCompatibleDC(nullptr));
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height; // top-down: row y starts at y * width
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void *bits = nullptr;
        m_bitmap = ::CreateDIBSection(m_hDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_bits = static_cast<DWORD *>(bits);
        m_oldBitmap = ::SelectObject(m_hDC, m_bitmap);
        ::PatBlt(m_hDC, 0, 0, width, height, WHITENESS);
    }
    ~PrintTestDC() override
    {
        ::SelectObject(m_hDC, m_oldBitmap);
        ::DeleteObject(m_bitmap);
        DeleteDC();
    }

    int GetDeviceCaps(int index) const override
    {
        if (index == LOGPIXELSX)
            return m_dpiX;
        if (index == LOGPIXELSY)
            return m_dpiY;
        return CDC::GetDeviceCaps(index);
    }

    // The colour at a device pixel, as RGB().
    COLORREF Pixel(int x, int y) const
    {
        ::GdiFlush();
        const DWORD bgr = m_bits[y * m_width + x];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }
    bool IsInk(int x, int y) const { return Pixel(x, y) != RGB(255, 255, 255); }

    // The smallest rectangle holding every non-white pixel of the area; empty when there is none.
    RECT InkBounds(RECT area) const
    {
        ::GdiFlush();
        RECT ink{area.right, area.bottom, area.left, area.top};
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if ((m_bits[y * m_width + x] & 0xFFFFFF) != 0xFFFFFF) {
                    if (x < ink.left)
                        ink.left = x;
                    if (x >= ink.right)
                        ink.right = x + 1;
                    if (y < ink.top)
                        ink.top = y;
                    if (y >= ink.bottom)
                        ink.bottom = y + 1;
                }
        if (ink.left >= ink.right)
            return RECT{0, 0, 0, 0};
        return ink;
    }
    RECT InkBounds() const { return InkBounds(RECT{0, 0, m_width, m_height}); }
    bool Blank() const
    {
        const RECT ink = InkBounds();
        return ::IsRectEmpty(&ink) != FALSE;
    }

private:
    int m_width;
    int m_height;
    int m_dpiX;
    int m_dpiY;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    DWORD *m_bits = nullptr;
};
