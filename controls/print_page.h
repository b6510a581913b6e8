#pragma once
// CPrintPage: the layout of one printed page over a printer or preview device context. Text is
// placed by position (y before x) in device units or in inches, wrapped in a rectangle, printed
// into regions and ruled tables; lines, boxes, check boxes and .bmp pictures are drawn. Every
// operation that changes the rectangle or styles for one call saves the attributes first and
// restores them at its end.

#include "controls/print_attr_state.h"
#include "controls/print_painter.h"

#include <cstdio>
#include <vector>

class CDC;
class CPrintRegion;
struct CPrintTableDef;

// Gives the text of a text id.
typedef CString (*PrintTextCallback)(int id);

#define PRINT_FORMAT(formatIndex) __attribute__((format(__MINGW_PRINTF_FORMAT, formatIndex, formatIndex + 1)))

class CPrintPage {
public:
    enum { STATE_STACK_SIZE = 10, FORMAT_BUFFER_SIZE = 5124, CELL_BUFFER_SIZE = 1000 };

    // In device pixels; mapMode is MM_TEXT (1) or MM_ANISOTROPIC (8), anything else MM_TEXT.
    // In MM_ANISOTROPIC the page is 1000 x 1000 units.
    CPrintPage(int left, int top, int width, int height, CDC *dc, int mapMode);
    virtual ~CPrintPage();
    CPrintPage(const CPrintPage &) = delete;
    CPrintPage &operator=(const CPrintPage &) = delete;

    virtual void SetTextCallback(PrintTextCallback callback);
    // At the current y; x -1 continues at the text end. Returns the y of the next line, or the
    // current y unchanged when x or y lies beyond the page's edges.
    virtual int PrintText(const char *text, int x, int attributes, int pointSize);
    // Nothing before PrintTable has laid the table out.
    virtual void PrintTableCell(CPrintTableDef *table, int row, int column, int pointSize, int attributes,
                                const char *format, ...) PRINT_FORMAT(7);

    // Positions relative to the region's inner top-left; the result is the next y, relative too.
    virtual double PrintInRegion(CPrintRegion *region, double y, double x, int attributes, int pointSize, int id);
    virtual int PrintInRegion(CPrintRegion *region, int y, int x, int attributes, int pointSize, int id);
    virtual double PrintInRegion(CPrintRegion *region, double y, double x, int attributes, int pointSize,
                                 const char *format, ...) PRINT_FORMAT(7);
    virtual int PrintInRegion(CPrintRegion *region, int y, int x, int attributes, int pointSize, const char *format,
                              ...) PRINT_FORMAT(7);

    virtual double PrintAt(double y, double x, int id);
    virtual int PrintAt(int y, int x, int id);
    virtual double PrintAt(double y, double x, const char *format, ...) PRINT_FORMAT(4);
    virtual int PrintAt(int y, int x, const char *format, ...) PRINT_FORMAT(4);

    // The *x overloads print at *x and return the text end in it.
    virtual double PrintStyledAt(double y, double x, int attributes, int pointSize, int id);
    virtual double PrintStyledAt(double y, double *x, int attributes, int pointSize, const char *format, ...)
        PRINT_FORMAT(6);
    virtual double PrintStyledAt(double y, double x, int attributes, int pointSize, const char *format, ...)
        PRINT_FORMAT(6);
    virtual int PrintStyledAt(int y, int x, int attributes, int pointSize, int id);
    virtual int PrintStyledAt(int y, int *x, int attributes, int pointSize, const char *format, ...) PRINT_FORMAT(6);
    virtual int PrintStyledAt(int y, int x, int attributes, int pointSize, const char *format, ...) PRINT_FORMAT(6);

    // Into a rectangle of the region, limited to the region.
    virtual void PrintInRegionRect(CPrintRegion *region, double top, double left, double bottom, double right,
                                   int attributes, int pointSize, int id);
    virtual void PrintInRegionRect(CPrintRegion *region, int top, int left, int bottom, int right, int attributes,
                                   int pointSize, int id);
    virtual void PrintInRegionRect(CPrintRegion *region, double top, double left, double bottom, double right,
                                   int attributes, int pointSize, const char *text);
    virtual void PrintInRegionRect(CPrintRegion *region, int top, int left, int bottom, int right, int attributes,
                                   int pointSize, const char *text);

    virtual void PrintInRect(double top, double left, double bottom, double right, int attributes, int pointSize,
                             int id);
    virtual void PrintInRect(int top, int left, int bottom, int right, int attributes, int pointSize, int id);
    virtual void PrintInRect(double top, double left, double bottom, double right, int attributes, int pointSize,
                             const char *text);
    virtual void PrintInRect(int top, int left, int bottom, int right, int attributes, int pointSize, const char *text);

    // Factors of 0 or less are ignored. Returns the old factor.
    virtual double SetLineSpacing(double factor);
    // Null only reads. Returns the previous face.
    virtual CString SetFontName(const char *faceName);
    virtual double GetTextEnd(bool inInches, bool plusWidestCharacter);
    virtual COLORREF SetTextColor(COLORREF colour);
    virtual int SetFontSize(int points);
    // -1 restores the page's edge, 0 only reads, a positive value sets it; returns the old edge.
    virtual double SetRightEdge(double inches);
    virtual int SetRightEdge(int units);
    virtual double SetBottomEdge(double inches);
    virtual int SetBottomEdge(int units);

    virtual void DrawLineInRegion(CPrintRegion *region, double y1, double x1, double y2, double x2, int width,
                                  int lineStyle);
    virtual void DrawLineInRegion(CPrintRegion *region, int y1, int x1, int y2, int x2, int width, int lineStyle);
    virtual void DrawLine(double y1, double x1, double y2, double x2, int width, int lineStyle);
    virtual void DrawLine(int y1, int x1, int y2, int x2, int width, int lineStyle);
    virtual void DrawBoxInRegion(CPrintRegion *region, double top, double left, double bottom, double right, int width,
                                 int fill, int lineStyle);
    virtual void DrawBoxInRegion(CPrintRegion *region, int top, int left, int bottom, int right, int width, int fill,
                                 int lineStyle);
    virtual void DrawBox(double top, double left, double bottom, double right, int width, int fill, int lineStyle);
    virtual void DrawBox(int top, int left, int bottom, int right, int width, int fill, int lineStyle);
    // Position 1: the text first and the box after it; otherwise the box first.
    virtual void DrawCheckBoxInRegion(CPrintRegion *region, const char *text, bool checked, double y, double x,
                                      int pointSize, int position, int width, int fill, int attributes);
    virtual void DrawCheckBoxInRegion(CPrintRegion *region, const char *text, bool checked, int y, int x, int pointSize,
                                      int position, int width, int fill, int attributes);
    virtual void DrawCheckBox(const char *text, bool checked, double y, double x, int pointSize, int position,
                              int width, int fill, int attributes);
    virtual void DrawCheckBox(const char *text, bool checked, int y, int x, int pointSize, int position, int width,
                              int fill, int attributes);

    // Sets the table's bottom; nothing is printed when the table passes the right edge.
    virtual void PrintTable(CPrintTableDef *table);
    // Null when the rectangle does not lie on the page. The page owns the region.
    virtual CPrintRegion *CreateRegion(int top, int left, int bottom, int right, int style);
    virtual CPrintRegion *CreateRegion(double top, double left, double bottom, double right, int style);
    // A .bmp file stretched into the rectangle; nothing when it cannot be read.
    virtual void DrawBitmap(double top, double left, double bottom, double right, const char *fileName);
    virtual void DrawBitmap(int top, int left, int bottom, int right, const char *fileName);

    // FALSE when all 10 places are taken (push) or none is (pop); the state then stays.
    BOOL PushState();
    BOOL PopState();

    // Saves the state for one operation and restores it at the end of the scope; an operation
    // whose state cannot be saved does nothing, so pushes and pops stay paired.
    class SavedState {
    public:
        explicit SavedState(CPrintPage *page) : m_page(page), m_saved(page->PushState()) {}
        ~SavedState()
        {
            if (m_saved)
                m_page->PopState();
        }
        SavedState(const SavedState &) = delete;
        SavedState &operator=(const SavedState &) = delete;
        explicit operator bool() const { return m_saved != FALSE; }

    private:
        CPrintPage *m_page;
        BOOL m_saved;
    };

    int InchesToUnitsX(double inches) const;
    int InchesToUnitsY(double inches) const;
    double UnitsToInchesX(int units) const;
    double UnitsToInchesY(int units) const;

    CPrintAttrState &Current() { return m_current; }
    CPrintPainter &Painter() { return m_painter; }
    int MapMode() const { return m_mapMode; }
    int ResolutionY() const { return m_resolutionY; }
    const TEXTMETRIC &TextMetric() const { return m_textMetric; }

private:
    friend class CPrintRegion;
    friend class CPrintTable;

    // The at-position core: sets the current y, prints, adds the line spacing.
    int PrintPositioned(const char *text, int y, int x, int attributes, int pointSize);
    int PrintRegionText(CPrintRegion *region, const char *text, int y, int x, int attributes, int pointSize);
    void PrintRectText(const char *text, int top, int left, int bottom, int right, int attributes, int pointSize);
    void PrintRegionRectText(CPrintRegion *region, const char *text, int top, int left, int bottom, int right,
                             int attributes, int pointSize, bool setsTextEnd);
    // Draws the state's text with the fill's transparency and white-text rules, for one call.
    void PaintTextWithFill(int fill);
    void DrawCheckBoxAt(CPrintRegion *region, const char *text, bool checked, int y, int x, int pointSize, int position,
                        int width, int fill, int attributes);
    void DrawBitmapFile();
    int LineSpacing() const;
    void ApplyStyles(int attributes, int pointSize);
    // The text of an id, or false when no callback is set.
    bool TextOfId(int id, CString &text) const;
    const char *FormatText(const char *format, va_list args);

    CPrintAttrState m_current;
    CPrintAttrState m_stack[STATE_STACK_SIZE];
    int m_stackTop = -1;
    CPrintPainter m_painter;
    int m_mapMode = MM_TEXT;
    int m_pageWidth = 0;
    int m_pageHeight = 0;
    int m_resolutionX = 0;
    int m_resolutionY = 0;
    double m_widthInches = 0;
    double m_heightInches = 0;
    int m_orientation = 0;
    int m_centringOffset = 0;
    int m_textEnd = 0;
    TEXTMETRIC m_textMetric{};
    PrintTextCallback m_callback = nullptr;
    double m_lineSpacing = 1.0;
    std::vector<CPrintRegion *> m_regions;
    char m_buffer[FORMAT_BUFFER_SIZE];
};
