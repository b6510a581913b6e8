#include "controls/print_page.h"

#include "controls/print_region.h"
#include "controls/print_table.h"
#include "framework/ui/gdi.h"
#include "framework/ui/winapp.h"

#include <algorithm>
#include <cstdarg>

namespace {

// The orientation of the application's printer settings: 1 portrait, 2 landscape; 0 when the
// page is not printed (a preview or the screen) or no printer is known.
int PrinterOrientation(CDC *dc)
{
    if (!dc->IsPrinting())
        return 0;
    CWinApp *app = AfxGetApp();
    if (app == nullptr)
        return 0;
    PRINTDLGW settings{};
    settings.lStructSize = sizeof settings;
    if (!app->GetPrinterDeviceDefaults(&settings))
        return 0;
    int orientation = 0;
    if (settings.hDevMode != nullptr) {
        if (const DEVMODEW *mode = static_cast<const DEVMODEW *>(::GlobalLock(settings.hDevMode))) {
            orientation = mode->dmOrientation;
            ::GlobalUnlock(settings.hDevMode);
        }
        ::GlobalFree(settings.hDevMode);
    }
    if (settings.hDevNames != nullptr)
        ::GlobalFree(settings.hDevNames);
    return orientation;
}

} // namespace

CPrintPage::CPrintPage(int left, int top, int width, int height, CDC *dc, int mapMode)
{
    m_mapMode = mapMode == MM_ANISOTROPIC ? MM_ANISOTROPIC : MM_TEXT;
    dc->SetMapMode(m_mapMode);
    if (m_mapMode == MM_ANISOTROPIC) {
        dc->SetWindowOrg(0, 0);
        dc->SetWindowExt(1000, 1000);
        dc->SetViewportOrg(left, top);
        dc->SetViewportExt(width, height);
        m_pageWidth = 1000;
        m_pageHeight = 1000;
        left = 0;
        top = 0;
    } else {
        m_pageWidth = width;
        m_pageHeight = height;
    }
    m_resolutionX = dc->GetDeviceCaps(LOGPIXELSX);
    m_resolutionY = dc->GetDeviceCaps(LOGPIXELSY);
    m_widthInches = m_resolutionX > 0 ? static_cast<double>(width) / m_resolutionX : 0;
    m_heightInches = m_resolutionY > 0 ? static_cast<double>(height) / m_resolutionY : 0;
    m_orientation = PrinterOrientation(dc);

    // Centre a printable band of 8 inches (10.5 in landscape) on wider paper.
    if (m_orientation == DMORIENT_LANDSCAPE && m_widthInches > 10.9)
        m_centringOffset = InchesToUnitsX(m_widthInches - 10.5) / 2;
    else if (m_widthInches > 8)
        m_centringOffset = InchesToUnitsX(m_widthInches - 8) / 2;

    m_current.dc = dc;
    m_current.left = left;
    m_current.top = top;
    m_current.right = m_pageWidth;
    m_current.bottom = m_pageHeight;
    m_current.pageWidth = m_pageWidth;
    m_current.pageHeight = m_pageHeight;
    m_current.centringOffset = m_centringOffset;
    m_current.textMetric = &m_textMetric;
}

CPrintPage::~CPrintPage()
{
    for (CPrintRegion *region : m_regions)
        delete region;
}

BOOL CPrintPage::PushState()
{
    if (m_stackTop + 1 >= STATE_STACK_SIZE)
        return FALSE;
    m_stack[++m_stackTop] = m_current;
    return TRUE;
}

BOOL CPrintPage::PopState()
{
    if (m_stackTop < 0)
        return FALSE;
    m_current = m_stack[m_stackTop--];
    return TRUE;
}

// ---- Conversions: MM_TEXT by the resolution, MM_ANISOTROPIC by the page's share of an inch ----

int CPrintPage::InchesToUnitsX(double inches) const
{
    if (inches <= 0)
        return 0;
    if (m_mapMode == MM_TEXT)
        return static_cast<int>(inches * m_resolutionX);
    return static_cast<int>(inches / (m_widthInches / m_pageWidth));
}

int CPrintPage::InchesToUnitsY(double inches) const
{
    if (inches <= 0)
        return 0;
    if (m_mapMode == MM_TEXT)
        return static_cast<int>(inches * m_resolutionY);
    return static_cast<int>(inches / (m_heightInches / m_pageHeight));
}

double CPrintPage::UnitsToInchesX(int units) const
{
    if (units <= 0)
        return 0.0;
    if (m_mapMode == MM_TEXT)
        return static_cast<double>(units) / m_resolutionX;
    return units * (m_widthInches / m_pageWidth);
}

double CPrintPage::UnitsToInchesY(int units) const
{
    if (units <= 0)
        return 0.0;
    if (m_mapMode == MM_TEXT)
        return static_cast<double>(units) / m_resolutionY;
    return units * (m_heightInches / m_pageHeight);
}

// ---- Text core ---------------------------------------------------------------------------------

void CPrintPage::SetTextCallback(PrintTextCallback callback)
{
    m_callback = callback;
}

bool CPrintPage::TextOfId(int id, CString &text) const
{
    if (m_callback == nullptr)
        return false;
    text = m_callback(id);
    return true;
}

const char *CPrintPage::FormatText(const char *format, va_list args)
{
    // Longer text is cut at the buffer's end.
    const int length = std::vsnprintf(m_buffer, sizeof m_buffer, format, args);
    if (length < 0)
        m_buffer[0] = '\0';
    return m_buffer;
}

void CPrintPage::ApplyStyles(int attributes, int pointSize)
{
    if (pointSize > 0)
        m_current.pointSize = pointSize;
    if (attributes != PRINT_KEEP)
        m_current.attributes = attributes;
}

int CPrintPage::PrintText(const char *text, int x, int attributes, int pointSize)
{
    const int left = x == -1 ? m_textEnd : x;
    if (left > m_current.right || m_current.top > m_current.bottom)
        return m_current.top;
    m_current.text = text;
    ApplyStyles(attributes, pointSize);
    m_current.left = left;
    m_painter.PaintText(m_current);
    m_textEnd = m_current.textEnd;
    return m_current.resultBottom;
}

void CPrintPage::PaintTextWithFill(int fill)
{
    CFillTextScope colours(m_current.dc, fill);
    m_painter.PaintText(m_current);
}

int CPrintPage::LineSpacing() const
{
    if (m_lineSpacing <= 1.0)
        return 0;
    return static_cast<int>(InchesToUnitsY(m_current.pointSize / 72.0) * (m_lineSpacing - 1.0));
}

// ---- Settings ----------------------------------------------------------------------------------

double CPrintPage::SetLineSpacing(double factor)
{
    const double old = m_lineSpacing;
    if (factor > 0)
        m_lineSpacing = factor;
    return old;
}

CString CPrintPage::SetFontName(const char *faceName)
{
    CString old = m_current.faceName;
    if (faceName != nullptr)
        m_current.faceName = faceName;
    return old;
}

double CPrintPage::GetTextEnd(bool inInches, bool plusWidestCharacter)
{
    int end = m_textEnd;
    if (plusWidestCharacter)
        end += m_textMetric.tmMaxCharWidth;
    return inInches ? UnitsToInchesX(end) : end;
}

COLORREF CPrintPage::SetTextColor(COLORREF colour)
{
    return m_current.dc->SetTextColor(colour);
}

int CPrintPage::SetFontSize(int points)
{
    const int old = m_current.pointSize;
    m_current.pointSize = points;
    return old;
}

int CPrintPage::SetRightEdge(int units)
{
    const int old = m_current.right;
    if (units == -1)
        m_current.right = m_pageWidth;
    else if (units > 0)
        m_current.right = units;
    return old;
}

double CPrintPage::SetRightEdge(double inches)
{
    const int units = inches < 0 ? -1 : InchesToUnitsX(inches);
    return UnitsToInchesX(SetRightEdge(units));
}

int CPrintPage::SetBottomEdge(int units)
{
    const int old = m_current.bottom;
    if (units == -1)
        m_current.bottom = m_pageHeight;
    else if (units > 0)
        m_current.bottom = units;
    return old;
}

double CPrintPage::SetBottomEdge(double inches)
{
    const int units = inches < 0 ? -1 : InchesToUnitsY(inches);
    return UnitsToInchesY(SetBottomEdge(units));
}

// ---- Regions and tables ------------------------------------------------------------------------

CPrintRegion *CPrintPage::CreateRegion(int top, int left, int bottom, int right, int style)
{
    CPrintRegion *region = new CPrintRegion;
    region->style = style;
    if (!region->Init(this, top, left, right, bottom)) {
        delete region;
        return nullptr;
    }
    m_regions.push_back(region);
    return region;
}

CPrintRegion *CPrintPage::CreateRegion(double top, double left, double bottom, double right, int style)
{
    return CreateRegion(InchesToUnitsY(top), InchesToUnitsX(left), InchesToUnitsY(bottom), InchesToUnitsX(right),
                        style);
}

void CPrintPage::PrintTable(CPrintTableDef *table)
{
    if (table->noHeadings)
        table->headingRows = 0;
    if (table->inInches) {
        table->top = InchesToUnitsY(table->top);
        table->bottom = InchesToUnitsY(table->bottom);
        table->left = InchesToUnitsX(table->left);
        table->right = InchesToUnitsX(table->right);
        const int count = std::clamp(table->columnCount, 0, static_cast<int>(CPrintTableDef::MAX_COLUMNS));
        for (int i = 0; i < count; ++i)
            table->columns[i].width = InchesToUnitsX(table->columns[i].width);
    }
    if (m_current.right < table->right)
        return;

    delete table->printer;
    table->printer = new CPrintTable(this, table);
    const CPrintAttrState saved = m_current;
    table->printer->Print();
    if (table->inInches)
        table->bottom = UnitsToInchesY(static_cast<int>(table->bottom));
    m_current = saved;
}

void CPrintPage::PrintTableCell(CPrintTableDef *table, int row, int column, int pointSize, int attributes,
                                const char *format, ...)
{
    // A table printer left from another page would draw there.
    if (table->printer == nullptr || table->printer->Page() != this)
        return;
    char text[CELL_BUFFER_SIZE];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (length < 0)
        text[0] = '\0';

    SavedState saved(this);
    if (!saved)
        return;
    if (table->freeLayout != 0)
        table->printer->PrintCellFree(row, column, pointSize, attributes, text);
    else
        table->printer->PrintCell(row, column, pointSize, attributes, text);
    m_textEnd = m_current.textEnd;
}
