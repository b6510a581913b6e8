#pragma once
// Laid-out lines of rich text, in twips, and how they are made from a paragraph.

#include "framework/shell/rich_text_document.h"

#include <windows.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

// Text of one format placed on a line. A tab is a fragment L"\t" that only takes room; a
// picture is a fragment L"\uFFFC" standing on the baseline.
struct RichTextFragment {
    std::wstring text;
    RichTextCharFormat format;
    int x = 0; // from the line's left edge
    int width = 0;
    std::vector<int> extents; // where each character ends, from the fragment's start
    int picture = -1;         // index into the document's pictures; -1: text
    int pictureHeight = 0;
};

struct RichTextLine {
    int x = 0; // left edge of the line's frame
    int y = 0; // top of the line
    int height = 0;
    int ascent = 0;
    std::vector<RichTextFragment> fragments;
};

// What one page holds, on the sheet in twips.
struct RichTextPageContent {
    std::vector<RichTextLine> lines;
    std::vector<RECT> borders; // filled rectangles: table cell borders
};

// The face a format names, or a default face when the document has no font table.
std::wstring RichTextFace(const std::vector<std::wstring> &fonts, int font);

// A font of the format at the given cell height (logical units of the DC that uses it).
HFONT CreateRichTextFont(const std::wstring &face, const RichTextCharFormat &format, int height);

// Measures text on a DC with fonts of one logical unit per twip, so results are twips whatever
// the DC's resolution, and knows the pictures' sizes. Restores the DC when destroyed.
class RichTextMeasurer {
public:
    // `pictureSizes` are by the document's picture index, in twips; an empty size is a picture
    // that is not drawn.
    RichTextMeasurer(HDC dc, const std::vector<std::wstring> &fonts, std::vector<SIZE> pictureSizes = {});
    ~RichTextMeasurer();
    RichTextMeasurer(const RichTextMeasurer &) = delete;
    RichTextMeasurer &operator=(const RichTextMeasurer &) = delete;

    // Width of the text; `extents` gets where each character ends.
    int Measure(const std::wstring &text, const RichTextCharFormat &format, std::vector<int> &extents);
    // `descent` includes the font's line gap: ascent and descent make a single line's height.
    void Metrics(const RichTextCharFormat &format, int &ascent, int &descent);
    SIZE PictureSize(int picture) const;

private:
    struct Font {
        HFONT handle;
        int ascent;
        int descent;
    };
    const Font &Select(const RichTextCharFormat &format);

    HDC m_dc;
    int m_savedDC;
    const std::vector<std::wstring> &m_fonts;
    std::vector<SIZE> m_pictureSizes;
    std::map<std::tuple<int, int, bool, bool>, Font> m_cache;
};

// Lines of a paragraph in a frame `width` twips wide: x from the frame's left edge, y from the
// paragraph's top (space before included). `height` gets the paragraph's height with the
// spaces before and after it.
std::vector<RichTextLine> LayOutParagraph(const RichTextParagraph &paragraph, int width, int defaultTabWidth,
                                          RichTextMeasurer &measurer, int &height);

// The width of the paragraph's widest word with its indents: the narrowest frame that breaks
// no word.
int WidestWord(const RichTextParagraph &paragraph, RichTextMeasurer &measurer);
