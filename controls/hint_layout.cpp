#include "controls/hint_layout.h"

namespace {
const int kMaxHintWidth = 450;
const int kWrapHeight = 12;
} // namespace

CString ExpandHintLineBreaks(const CString &text)
{
    CString expanded = text;
    expanded.Replace("\\n", "\r\n");
    return expanded;
}

std::vector<CString> SplitHintLines(const CString &text)
{
    std::vector<CString> lines;
    int start = 0;
    for (;;) {
        const int end = text.Find('\n', start);
        CString line = end < 0 ? text.Mid(start) : text.Mid(start, end - start);
        line.TrimRight('\r');
        lines.push_back(line);
        if (end < 0)
            break;
        start = end + 1;
    }
    return lines;
}

CSize HintTextSize(const std::vector<int> &lineWidths, int lineHeight)
{
    int widest = 0;
    for (int width : lineWidths)
        widest = width > widest ? width : widest;
    CSize size(widest + 10, lineHeight * (int)lineWidths.size() + 1);
    bool wrapped = false;
    while (size.cx > kMaxHintWidth) {
        size.cy += kWrapHeight;
        size.cx -= kMaxHintWidth;
        wrapped = true;
    }
    if (wrapped)
        size.cx = kMaxHintWidth;
    return size;
}

CRect HintWindowRect(CPoint cursor, CSize textSize, int screenWidth, CPoint offset)
{
    CRect rect(cursor.x, cursor.y, cursor.x + textSize.cx + 2, cursor.y + textSize.cy + 2);
    rect.InflateRect(4, 2);
    if (rect.right > screenWidth) {
        rect.OffsetRect(-rect.Width(), 0);
        if (rect.left < 0)
            rect.left = 0;
    } else {
        rect.OffsetRect(offset);
    }
    // The window sits a little further right and down than the rectangle.
    rect.OffsetRect(3, 5);
    return rect;
}
