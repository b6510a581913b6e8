// The positioned text overloads of CPrintPage: at a position, in a region, in a rectangle; in
// device units or in inches, with the text given or formatted or taken from the text callback.

#include "controls/print_page.h"

#include "controls/print_region.h"

#include <algorithm>
#include <cstdarg>

namespace {
// Styles that the at-position overloads without their own leave as they are.
const int KEEP_SIZE = 0;
} // namespace

// ---- Core of each kind -------------------------------------------------------------------------

int CPrintPage::PrintPositioned(const char *text, int y, int x, int attributes, int pointSize)
{
    m_current.top = y;
    const int next = PrintText(text, x, attributes, pointSize);
    return next + LineSpacing();
}

int CPrintPage::PrintRegionText(CPrintRegion *region, const char *text, int y, int x, int attributes, int pointSize)
{
    SavedState saved(this);
    if (!saved)
        return y;
    m_current.top = y + region->innerTop;
    m_current.bottom = region->bottom;
    m_current.right = region->right;
    m_current.left = region->innerLeft;
    int next;
    {
        CFillTextScope colours(m_current.dc, region->style);
        next = PrintText(text, x + region->innerLeft, attributes, pointSize);
    }
    return next + LineSpacing() - region->innerTop;
}

void CPrintPage::PrintRectText(const char *text, int top, int left, int bottom, int right, int attributes,
                               int pointSize)
{
    if (left > m_current.right || top > m_current.bottom)
        return;
    SavedState saved(this);
    if (!saved)
        return;
    m_current.text = text;
    ApplyStyles(attributes, pointSize);
    m_current.left = left;
    m_current.top = top;
    m_current.right = right;
    m_current.bottom = bottom;
    m_painter.PaintText(m_current);
    m_textEnd = m_current.textEnd;
}

void CPrintPage::PrintRegionRectText(CPrintRegion *region, const char *text, int top, int left, int bottom, int right,
                                     int attributes, int pointSize, bool setsTextEnd)
{
    SavedState saved(this);
    if (!saved)
        return;
    m_current.text = text;
    ApplyStyles(attributes, pointSize);
    m_current.top = std::min(top + region->innerTop, region->bottom);
    m_current.left = std::min(left + region->innerLeft, region->right);
    m_current.bottom = std::min(bottom + region->innerTop, region->bottom);
    m_current.right = std::min(right + region->innerLeft, region->right);
    m_current.fill = region->style;
    PaintTextWithFill(region->style);
    if (setsTextEnd)
        m_textEnd = m_current.textEnd;
}

// ---- PrintInRegion -----------------------------------------------------------------------------

double CPrintPage::PrintInRegion(CPrintRegion *region, double y, double x, int attributes, int pointSize, int id)
{
    CString text;
    if (!TextOfId(id, text))
        return 0;
    return UnitsToInchesY(PrintRegionText(region, text, InchesToUnitsY(y), InchesToUnitsX(x), attributes, pointSize));
}

int CPrintPage::PrintInRegion(CPrintRegion *region, int y, int x, int attributes, int pointSize, int id)
{
    CString text;
    if (!TextOfId(id, text))
        return 0;
    return PrintRegionText(region, text, y, x, attributes, pointSize);
}

double CPrintPage::PrintInRegion(CPrintRegion *region, double y, double x, int attributes, int pointSize,
                                 const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const char *text = FormatText(format, args);
    va_end(args);
    return UnitsToInchesY(PrintRegionText(region, text, InchesToUnitsY(y), InchesToUnitsX(x), attributes, pointSize));
}

int CPrintPage::PrintInRegion(CPrintRegion *region, int y, int x, int attributes, int pointSize, const char *format,
                              ...)
{
    va_list args;
    va_start(args, format);
    const char *text = FormatText(format, args);
    va_end(args);
    return PrintRegionText(region, text, y, x, attributes, pointSize);
}

// ---- PrintAt: current styles -------------------------------------------------------------------

double CPrintPage::PrintAt(double y, double x, int id)
{
    CString text;
    if (!TextOfId(id, text))
        return 0;
    return UnitsToInchesY(PrintPositioned(text, InchesToUnitsY(y), InchesToUnitsX(x), PRINT_KEEP, KEEP_SIZE));
}

int CPrintPage::PrintAt(int y, int x, int id)
{
    CString text;
    if (!TextOfId(id, text))
        return 0;
    return PrintPositioned(text, y, x, PRINT_KEEP, KEEP_SIZE);
}

double CPrintPage::PrintAt(double y, double x, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const char *text = FormatText(format, args);
    va_end(args);
    return UnitsToInchesY(PrintPositioned(text, InchesToUnitsY(y), InchesToUnitsX(x), PRINT_KEEP, KEEP_SIZE));
}

int CPrintPage::PrintAt(int y, int x, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const char *text = FormatText(format, args);
    va_end(args);
    return PrintPositioned(text, y, x, PRINT_KEEP, KEEP_SIZE);
}

// ---- PrintStyledAt: the styles given stay current ----------------------------------------------

double CPrintPage::PrintStyledAt(double y, double x, int attributes, int pointSize, int id)
{
    CString text;
    if (!TextOfId(id, text))
        return 0;
    return UnitsToInchesY(PrintPositioned(text, InchesToUnitsY(y), InchesToUnitsX(x), attributes, pointSize));
}

double CPrintPage::PrintStyledAt(double y, double *x, int attributes, int pointSize, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const char *text = FormatText(format, args);
    va_end(args);
    const int next = PrintPositioned(text, InchesToUnitsY(y), InchesToUnitsX(*x), attributes, pointSize);
    *x = UnitsToInchesX(m_textEnd);
    return UnitsToInchesY(next);
}

double CPrintPage::PrintStyledAt(double y, double x, int attributes, int pointSize, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const char *text = FormatText(format, args);
    va_end(args);
    return UnitsToInchesY(PrintPositioned(text, InchesToUnitsY(y), InchesToUnitsX(x), attributes, pointSize));
}

int CPrintPage::PrintStyledAt(int y, int x, int attributes, int pointSize, int id)
{
    CString text;
    if (!TextOfId(id, text))
        return 0;
    return PrintPositioned(text, y, x, attributes, pointSize);
}

int CPrintPage::PrintStyledAt(int y, int *x, int attributes, int pointSize, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const char *text = FormatText(format, args);
    va_end(args);
    const int next = PrintPositioned(text, y, *x, attributes, pointSize);
    *x = m_textEnd;
    return next;
}

int CPrintPage::PrintStyledAt(int y, int x, int attributes, int pointSize, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const char *text = FormatText(format, args);
    va_end(args);
    return PrintPositioned(text, y, x, attributes, pointSize);
}

// ---- Rectangles --------------------------------------------------------------------------------

void CPrintPage::PrintInRegionRect(CPrintRegion *region, double top, double left, double bottom, double right,
                                   int attributes, int pointSize, int id)
{
    CString text;
    if (!TextOfId(id, text))
        return;
    PrintRegionRectText(region, text, InchesToUnitsY(top), InchesToUnitsX(left), InchesToUnitsY(bottom),
                        InchesToUnitsX(right), attributes, pointSize, true);
}

void CPrintPage::PrintInRegionRect(CPrintRegion *region, int top, int left, int bottom, int right, int attributes,
                                   int pointSize, int id)
{
    CString text;
    if (!TextOfId(id, text))
        return;
    PrintRegionRectText(region, text, top, left, bottom, right, attributes, pointSize, false);
}

void CPrintPage::PrintInRegionRect(CPrintRegion *region, double top, double left, double bottom, double right,
                                   int attributes, int pointSize, const char *text)
{
    PrintRegionRectText(region, text, InchesToUnitsY(top), InchesToUnitsX(left), InchesToUnitsY(bottom),
                        InchesToUnitsX(right), attributes, pointSize, true);
}

void CPrintPage::PrintInRegionRect(CPrintRegion *region, int top, int left, int bottom, int right, int attributes,
                                   int pointSize, const char *text)
{
    PrintRegionRectText(region, text, top, left, bottom, right, attributes, pointSize, false);
}

void CPrintPage::PrintInRect(double top, double left, double bottom, double right, int attributes, int pointSize,
                             int id)
{
    CString text;
    if (!TextOfId(id, text))
        return;
    PrintRectText(text, InchesToUnitsY(top), InchesToUnitsX(left), InchesToUnitsY(bottom), InchesToUnitsX(right),
                  attributes, pointSize);
}

void CPrintPage::PrintInRect(int top, int left, int bottom, int right, int attributes, int pointSize, int id)
{
    CString text;
    if (!TextOfId(id, text))
        return;
    PrintRectText(text, top, left, bottom, right, attributes, pointSize);
}

void CPrintPage::PrintInRect(double top, double left, double bottom, double right, int attributes, int pointSize,
                             const char *text)
{
    PrintRectText(text, InchesToUnitsY(top), InchesToUnitsX(left), InchesToUnitsY(bottom), InchesToUnitsX(right),
                  attributes, pointSize);
}

void CPrintPage::PrintInRect(int top, int left, int bottom, int right, int attributes, int pointSize, const char *text)
{
    PrintRectText(text, top, left, bottom, right, attributes, pointSize);
}
