#pragma once
// Shared by the renderer's tests: a memory DC to measure on and a quick way to lay out RTF.

#include "framework/shell/rich_text_layout.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

class MemoryDC {
public:
    MemoryDC() : m_dc(CreateCompatibleDC(nullptr)) {}
    ~MemoryDC() { DeleteDC(m_dc); }
    MemoryDC(const MemoryDC &) = delete;
    MemoryDC &operator=(const MemoryDC &) = delete;
    operator HDC() const { return m_dc; }

private:
    HDC m_dc;
};

// A white 32-bit bitmap selected into a memory DC.
class Canvas {
public:
    Canvas(int width, int height) : m_width(width), m_height(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void *bits = nullptr;
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_pixels = static_cast<const DWORD *>(bits);
        m_old = SelectObject(m_dc, m_bitmap);
        RECT all = {0, 0, width, height};
        FillRect(m_dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~Canvas()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
    }
    HDC dc() const { return m_dc; }

    // The smallest rectangle holding every pixel that is not white.
    RECT Ink() const
    {
        GdiFlush();
        RECT ink = {m_width, m_height, -1, -1};
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                if ((m_pixels[y * m_width + x] & 0xFFFFFF) == 0xFFFFFF)
                    continue;
                ink.left = std::min<LONG>(ink.left, x);
                ink.top = std::min<LONG>(ink.top, y);
                ink.right = std::max<LONG>(ink.right, x + 1);
                ink.bottom = std::max<LONG>(ink.bottom, y + 1);
            }
        }
        return ink;
    }

    // 0x00RRGGBB
    DWORD Pixel(int x, int y) const
    {
        GdiFlush();
        return m_pixels[y * m_width + x] & 0xFFFFFF;
    }

    int RedPixels() const
    {
        GdiFlush();
        int count = 0;
        for (int i = 0; i < m_width * m_height; ++i) {
            const DWORD p = m_pixels[i]; // 0x00RRGGBB
            if (((p >> 16) & 0xFF) > 200 && ((p >> 8) & 0xFF) < 80 && (p & 0xFF) < 80)
                ++count;
        }
        return count;
    }

private:
    int m_width;
    int m_height;
    MemoryDC m_dc;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    const DWORD *m_pixels = nullptr;
};

inline RichTextPageSize A4Page()
{
    return RichTextPageSize();
}

inline RichTextPageSize SmallPage(int width, int height, int margin)
{
    RichTextPageSize page;
    page.width = width;
    page.height = height;
    page.margins = RECT{margin, margin, margin, margin};
    return page;
}

inline RichTextLayout LayOut(const std::string &rtf, const RichTextPageSize &page = A4Page())
{
    MemoryDC dc;
    return RichTextLayout(RichTextDocument::FromRtf(rtf), page, dc);
}

// A document in Times New Roman (Liberation Serif here) with the given body.
inline std::string Rtf(const std::string &body)
{
    return "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\froman\\fcharset238 Times New "
           "Roman;}}"
           "{\\colortbl;\\red255\\green0\\blue0;}"
           + body + "}";
}

// A file of the fixtures folder beside the tests, whole; empty when it cannot be read.
inline std::string ReadFixture(const char *name)
{
    char folder[MAX_PATH] = {};
    GetEnvironmentVariableA("MORVELANK_TEST_SOURCE_DIR", folder, MAX_PATH);
    std::string path = std::string("Z:") + folder + "/fixtures/" + name;
    for (char &ch : path)
        if (ch == '/')
            ch = '\\';
    std::string content;
    if (FILE *file = fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t read = 0;
        while ((read = fread(buffer, 1, sizeof(buffer), file)) > 0)
            content.append(buffer, read);
        fclose(file);
    }
    return content;
}
