#pragma once
// Shared by the renderer's tests: a memory DC to measure on and a quick way to lay out RTF.

#include "framework/shell/rich_text_layout.h"

#include <windows.h>

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
