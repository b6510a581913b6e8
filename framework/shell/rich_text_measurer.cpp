#include "framework/shell/rich_text_lines.h"

#include <algorithm>
#include <utility>

std::wstring RichTextFace(const std::vector<std::wstring> &fonts, int font)
{
    if (font >= 0 && static_cast<size_t>(font) < fonts.size())
        return fonts[static_cast<size_t>(font)];
    return L"Times New Roman";
}

HFONT CreateRichTextFont(const std::wstring &face, const RichTextCharFormat &format, int height)
{
    LOGFONTW font = {};
    font.lfHeight = -std::max(height, 1);
    font.lfWeight = format.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = format.italic;
    font.lfUnderline = format.underline;
    font.lfStrikeOut = format.strikeOut;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

RichTextMeasurer::RichTextMeasurer(HDC dc, const std::vector<std::wstring> &fonts, std::vector<SIZE> pictureSizes)
    : m_dc(dc), m_savedDC(SaveDC(dc)), m_fonts(fonts), m_pictureSizes(std::move(pictureSizes))
{
    SetMapMode(m_dc, MM_TEXT);
}

RichTextMeasurer::~RichTextMeasurer()
{
    RestoreDC(m_dc, m_savedDC);
    for (auto &entry : m_cache)
        DeleteObject(entry.second.handle);
}

const RichTextMeasurer::Font &RichTextMeasurer::Select(const RichTextCharFormat &format)
{
    // Underline and strike-out change no widths, so measuring fonts leave them out.
    const auto key = std::make_tuple(format.font, format.halfPoints, format.bold, format.italic);
    auto found = m_cache.find(key);
    if (found == m_cache.end()) {
        RichTextCharFormat plain = format;
        plain.underline = plain.strikeOut = false;
        // A half point is ten twips.
        Font font = {CreateRichTextFont(RichTextFace(m_fonts, format.font), plain, format.halfPoints * 10), 0, 0};
        SelectObject(m_dc, font.handle);
        TEXTMETRICW metrics = {};
        if (GetTextMetricsW(m_dc, &metrics)) {
            // A single line takes the font's line gap too, as word processors space lines.
            font.ascent = metrics.tmAscent;
            font.descent = metrics.tmDescent + metrics.tmExternalLeading;
        } else {
            font.ascent = format.halfPoints * 8;
            font.descent = format.halfPoints * 2;
        }
        found = m_cache.emplace(key, font).first;
    }
    SelectObject(m_dc, found->second.handle);
    return found->second;
}

int RichTextMeasurer::Measure(const std::wstring &text, const RichTextCharFormat &format, std::vector<int> &extents)
{
    Select(format);
    const int length = static_cast<int>(text.size());
    extents.assign(text.size(), 0);
    SIZE size = {};
    if (length == 0 || !GetTextExtentExPointW(m_dc, text.c_str(), length, 0, nullptr, extents.data(), &size)) {
        extents.assign(text.size(), 0);
        return 0;
    }
    // Extents never go back, even for odd fonts, so positions drawn from them stay ordered.
    for (size_t i = 1; i < extents.size(); ++i)
        extents[i] = std::max(extents[i], extents[i - 1]);
    return std::max<int>(size.cx, extents.back());
}

void RichTextMeasurer::Metrics(const RichTextCharFormat &format, int &ascent, int &descent)
{
    const Font &font = Select(format);
    ascent = font.ascent;
    descent = font.descent;
}

SIZE RichTextMeasurer::PictureSize(int picture) const
{
    if (picture < 0 || static_cast<size_t>(picture) >= m_pictureSizes.size())
        return SIZE{0, 0};
    return m_pictureSizes[static_cast<size_t>(picture)];
}
