// Lines, boxes, check boxes and pictures of CPrintPage. Their styles last for the one call.

#include "controls/print_dib.h"
#include "controls/print_page.h"
#include "controls/print_region.h"
#include "framework/ui/gdi.h"

#include <utility>

namespace {
// Widths have no current value to keep.
int WidthOrOne(int width)
{
    return width == PRINT_KEEP ? 1 : width;
}
} // namespace

void CPrintPage::DrawLine(int y1, int x1, int y2, int x2, int width, int lineStyle)
{
    SavedState saved(this);
    if (!saved)
        return;
    if (lineStyle != PRINT_KEEP)
        m_current.lineStyle = lineStyle;
    m_current.left = x1;
    m_current.top = y1;
    m_current.right = x2;
    m_current.bottom = y2;
    m_painter.PaintLine(m_current, WidthOrOne(width));
}

void CPrintPage::DrawLine(double y1, double x1, double y2, double x2, int width, int lineStyle)
{
    DrawLine(InchesToUnitsY(y1), InchesToUnitsX(x1), InchesToUnitsY(y2), InchesToUnitsX(x2), width, lineStyle);
}

void CPrintPage::DrawLineInRegion(CPrintRegion *region, int y1, int x1, int y2, int x2, int width, int lineStyle)
{
    DrawLine(y1 + region->innerTop, x1 + region->innerLeft, y2 + region->innerTop, x2 + region->innerLeft, width,
             lineStyle);
}

void CPrintPage::DrawLineInRegion(CPrintRegion *region, double y1, double x1, double y2, double x2, int width,
                                  int lineStyle)
{
    DrawLineInRegion(region, InchesToUnitsY(y1), InchesToUnitsX(x1), InchesToUnitsY(y2), InchesToUnitsX(x2), width,
                     lineStyle);
}

void CPrintPage::DrawBox(int top, int left, int bottom, int right, int width, int fill, int lineStyle)
{
    SavedState saved(this);
    if (!saved)
        return;
    if (fill != PRINT_KEEP)
        m_current.fill = fill;
    if (lineStyle != PRINT_KEEP)
        m_current.lineStyle = lineStyle;
    m_current.left = left;
    m_current.top = top;
    m_current.right = right;
    m_current.bottom = bottom;
    m_painter.PaintBox(m_current, WidthOrOne(width));
}

void CPrintPage::DrawBox(double top, double left, double bottom, double right, int width, int fill, int lineStyle)
{
    DrawBox(InchesToUnitsY(top), InchesToUnitsX(left), InchesToUnitsY(bottom), InchesToUnitsX(right), width, fill,
            lineStyle);
}

void CPrintPage::DrawBoxInRegion(CPrintRegion *region, int top, int left, int bottom, int right, int width, int fill,
                                 int lineStyle)
{
    DrawBox(top + region->innerTop, left + region->innerLeft, bottom + region->innerTop, right + region->innerLeft,
            width, fill, lineStyle);
}

void CPrintPage::DrawBoxInRegion(CPrintRegion *region, double top, double left, double bottom, double right, int width,
                                 int fill, int lineStyle)
{
    DrawBoxInRegion(region, InchesToUnitsY(top), InchesToUnitsX(left), InchesToUnitsY(bottom), InchesToUnitsX(right),
                    width, fill, lineStyle);
}

// ---- Check boxes -------------------------------------------------------------------------------

void CPrintPage::DrawCheckBoxAt(CPrintRegion *region, const char *text, bool checked, int y, int x, int pointSize,
                                int position, int width, int fill, int attributes)
{
    SavedState saved(this);
    if (!saved)
        return;
    const int originY = region ? region->innerTop : 0;
    const int originX = region ? region->innerLeft : 0;
    const int size = pointSize > 0 ? pointSize : m_current.pointSize;
    const int sideX = InchesToUnitsX(size / 72.0);
    const int sideY = InchesToUnitsY(size / 72.0);
    auto printLabel = [&](int labelX) {
        if (region != nullptr)
            PrintRegionText(region, text, y, labelX, attributes, pointSize);
        else
            PrintPositioned(text, y, labelX, attributes, pointSize);
    };

    int boxX = originX + x;
    if (position == 1) {
        printLabel(x);
        boxX = m_textEnd + m_textMetric.tmMaxCharWidth;
    }
    const int boxY = originY + y;
    const int lineWidth = WidthOrOne(width);
    CPrintAttrState box = m_current;
    box.left = boxX;
    box.top = boxY;
    box.right = boxX + sideX;
    box.bottom = boxY + sideY;
    box.lineStyle = 0;
    box.fill = 0;
    m_painter.PaintBox(box, lineWidth);
    if (checked && fill != 0 && fill != PRINT_KEEP) {
        box.fill = fill;
        m_painter.PaintBox(box, lineWidth);
    } else if (checked) {
        m_painter.PaintLine(box, lineWidth);
        std::swap(box.top, box.bottom);
        m_painter.PaintLine(box, lineWidth);
    }
    if (position != 1)
        printLabel(x + 2 * sideX);
}

void CPrintPage::DrawCheckBoxInRegion(CPrintRegion *region, const char *text, bool checked, int y, int x, int pointSize,
                                      int position, int width, int fill, int attributes)
{
    DrawCheckBoxAt(region, text, checked, y, x, pointSize, position, width, fill, attributes);
}

void CPrintPage::DrawCheckBoxInRegion(CPrintRegion *region, const char *text, bool checked, double y, double x,
                                      int pointSize, int position, int width, int fill, int attributes)
{
    DrawCheckBoxAt(region, text, checked, InchesToUnitsY(y), InchesToUnitsX(x), pointSize, position, width, fill,
                   attributes);
}

void CPrintPage::DrawCheckBox(const char *text, bool checked, int y, int x, int pointSize, int position, int width,
                              int fill, int attributes)
{
    DrawCheckBoxAt(nullptr, text, checked, y, x, pointSize, position, width, fill, attributes);
}

void CPrintPage::DrawCheckBox(const char *text, bool checked, double y, double x, int pointSize, int position,
                              int width, int fill, int attributes)
{
    DrawCheckBoxAt(nullptr, text, checked, InchesToUnitsY(y), InchesToUnitsX(x), pointSize, position, width, fill,
                   attributes);
}

// ---- Pictures ----------------------------------------------------------------------------------

void CPrintPage::DrawBitmap(int top, int left, int bottom, int right, const char *fileName)
{
    SavedState saved(this);
    if (!saved)
        return;
    m_current.left = left;
    m_current.top = top;
    m_current.right = right;
    m_current.bottom = bottom;
    m_current.text = fileName;
    DrawBitmapFile();
}

void CPrintPage::DrawBitmap(double top, double left, double bottom, double right, const char *fileName)
{
    DrawBitmap(InchesToUnitsY(top), InchesToUnitsX(left), InchesToUnitsY(bottom), InchesToUnitsX(right), fileName);
}

void CPrintPage::DrawBitmapFile()
{
    HGLOBAL dib = LoadDib(m_current.text);
    if (dib == nullptr)
        return;
    const RECT bounds{m_current.left, m_current.top, m_current.right, m_current.bottom};
    m_current.right -= m_current.left; // width and height from here on
    m_current.bottom -= m_current.top;
    HDC dc = m_current.dc->GetSafeHdc();
    if (m_current.dc->IsPrinting())
        ::Escape(dc, SET_BOUNDS, sizeof bounds, reinterpret_cast<LPCSTR>(&bounds), nullptr);
    StretchDib(dc, dib, m_current.left + m_centringOffset, m_current.top, m_current.right, m_current.bottom);
    ::GlobalFree(dib);
}
