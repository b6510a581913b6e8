#include "controls/print_table.h"

#include "controls/print_page.h"

#include <algorithm>

CPrintTableDef::~CPrintTableDef()
{
    delete printer;
}

int CPrintTable::ColumnCount() const
{
    return std::clamp(m_table->columnCount, 0, static_cast<int>(CPrintTableDef::MAX_COLUMNS));
}

int CPrintTable::ColumnLeft(int column) const
{
    int x = static_cast<int>(m_table->left);
    for (int i = 0; i < column; ++i)
        x += static_cast<int>(m_table->columns[i].width);
    return x;
}

int CPrintTable::GetRowHeight(RowKind kind)
{
    const int size = m_table->pointSize;
    const double factor = (kind == BODY_ROW || m_table->headingRows == 1) ? 1.5 : 1.0;
    const int height = m_page->MapMode() == MM_ANISOTROPIC
                           ? static_cast<int>(size * factor)
                           : static_cast<int>(size / 72.0 * m_page->ResolutionY() * factor);
    return kind == BODY_ROW ? m_table->linesPerRow * height : height;
}

int CPrintTable::HeadingBand()
{
    return m_table->headingRows * GetRowHeight(HEADING_ROW);
}

int CPrintTable::BodyTop()
{
    const int top = static_cast<int>(m_table->top);
    return m_table->noHeadings ? top : top + HeadingBand();
}

RECT CPrintTable::CellRect(int row, int column)
{
    const int rowHeight = GetRowHeight(BODY_ROW);
    RECT cell;
    cell.left = ColumnLeft(column);
    cell.right = cell.left + static_cast<int>(m_table->columns[column].width);
    cell.top = BodyTop() + row * rowHeight;
    cell.bottom = cell.top + rowHeight;
    return cell;
}

void CPrintTable::DrawRule(int y1, int x1, int y2, int x2)
{
    CPrintPage::SavedState saved(m_page);
    if (!saved)
        return;
    CPrintAttrState &state = m_page->Current();
    state.left = x1;
    state.top = y1;
    state.right = x2;
    state.bottom = y2;
    m_page->Painter().PaintLine(state, m_table->lineWidth);
}

void CPrintTable::Print()
{
    CPrintPage::SavedState saved(m_page);
    if (!saved)
        return;
    const int count = ColumnCount();
    if (m_table->equalWidths && count > 0) {
        const int width = static_cast<int>((m_table->right - m_table->left) / count);
        for (int i = 0; i < count; ++i)
            m_table->columns[i].width = width;
    }
    PrintHeadings();
    PrintOuterFrame();
    PrintRowRules();
    PrintColumnRules();
    for (int column = 0; column < count; ++column)
        for (int row = 0; row < m_table->rowCount; ++row)
            DrawCellFrame(row, column);
}

void CPrintTable::PrintHeadings()
{
    if (m_table->noHeadings)
        return;
    const int count = ColumnCount();
    m_page->Current().pointSize = m_table->pointSize;
    const int top = static_cast<int>(m_table->top);
    const int left = static_cast<int>(m_table->left);
    const int right = static_cast<int>(m_table->right);
    const int band = HeadingBand();
    {
        CPrintPage::SavedState saved(m_page);
        if (!saved)
            return;
        CPrintAttrState &state = m_page->Current();
        state.left = left;
        state.top = top;
        state.right = right;
        state.bottom = top + band;
        state.fill = 0;
        m_page->Painter().PaintBox(state, m_table->lineWidth);
    }
    if (count == 0)
        return;
    // Truncated widths leave a remainder: the last column takes it, so the headings end at right.
    int used = 0;
    for (int i = 0; i < count - 1; ++i)
        used += static_cast<int>(m_table->columns[i].width);
    m_table->columns[count - 1].width = right - left - used;

    for (int column = 0; column < count; ++column) {
        const CPrintColumnDef &def = m_table->columns[column];
        CString heading = def.heading;
        if (heading.IsEmpty())
            heading.Format("Col %d", column + 1);
        CPrintPage::SavedState saved(m_page);
        if (!saved)
            return;
        CPrintAttrState &state = m_page->Current();
        state.text = heading;
        state.attributes = PRINT_BOLD | PRINT_FRAMED | PRINT_CENTER | PRINT_VCENTER;
        state.left = ColumnLeft(column);
        state.right = state.left + static_cast<int>(def.width);
        state.top = top;
        state.bottom = top + band;
        state.fill = m_table->headingFill;
        m_page->PaintTextWithFill(m_table->headingFill);
    }
}

void CPrintTable::PrintOuterFrame()
{
    const int top = static_cast<int>(m_table->top);
    const int bottom = BodyTop() + m_table->rowCount * GetRowHeight(BODY_ROW);
    m_table->bottom = bottom;
    if (!m_table->outerFrame || m_table->freeLayout == 1)
        return;
    CPrintPage::SavedState saved(m_page);
    if (!saved)
        return;
    CPrintAttrState &state = m_page->Current();
    state.left = static_cast<int>(m_table->left);
    state.top = top;
    state.right = static_cast<int>(m_table->right);
    state.bottom = bottom;
    state.fill = 0;
    m_page->Painter().PaintBox(state, m_table->lineWidth);
}

void CPrintTable::PrintRowRules()
{
    if (!m_table->horizontalRules || m_table->freeLayout == 1)
        return;
    const int rowHeight = GetRowHeight(BODY_ROW);
    const int start = m_table->noHeadings ? static_cast<int>(m_table->top) + rowHeight : BodyTop();
    const int interval = m_table->rowLineInterval;
    for (int j = 0; j < m_table->rowCount; ++j) {
        if (interval > 0 && (j + 1) % interval != 0)
            continue;
        const int y = start + j * rowHeight;
        DrawRule(y, static_cast<int>(m_table->left), y, static_cast<int>(m_table->right));
    }
}

void CPrintTable::PrintColumnRules()
{
    if (!m_table->verticalRules || m_table->freeLayout == 1)
        return;
    const int top = BodyTop();
    const int bottom = static_cast<int>(m_table->bottom);
    for (int column = 1; column < ColumnCount(); ++column) {
        const int x = ColumnLeft(column);
        DrawRule(top, x, bottom, x);
    }
}

void CPrintTable::DrawCellFrame(int row, int column)
{
    if (m_table->rowLineInterval != 0 || m_table->freeLayout == 1)
        return;
    const RECT cell = CellRect(row, column);
    CPrintPage::SavedState saved(m_page);
    if (!saved)
        return;
    CPrintAttrState &state = m_page->Current();
    state.left = cell.left;
    state.top = cell.top;
    state.right = cell.right;
    state.bottom = cell.bottom;
    state.fill = m_table->columns[column].fill;
    m_page->Painter().PaintBox(state, 1);
}

void CPrintTable::PrintCell(int row, int column, int pointSize, int attributes, const char *text)
{
    if (row < 0 || row >= m_table->rowCount || column < 0 || column >= ColumnCount())
        return;
    int size = pointSize > 0 ? pointSize : m_table->pointSize;
    if (size > m_table->pointSize && m_table->horizontalRules == 1 && m_table->freeLayout == 0)
        size = m_table->pointSize;
    if (m_table->linesPerRow == 1)
        attributes |= PRINT_SINGLE_LINE | PRINT_VCENTER;
    const RECT cell = CellRect(row, column);
    const int fill = m_table->columns[column].fill;
    CPrintAttrState &state = m_page->Current();
    state.text = text;
    state.pointSize = size;
    state.attributes = attributes;
    state.left = cell.left + 2;
    state.top = cell.top + 2;
    state.right = cell.right - 2;
    state.bottom = cell.bottom - 2;
    state.fill = fill;
    m_page->PaintTextWithFill(fill);
}

void CPrintTable::PrintCellFree(int row, int column, int pointSize, int attributes, const char *text)
{
    if (column < 0 || column >= ColumnCount())
        return;
    const RECT cell = CellRect(row, column);
    CPrintAttrState &state = m_page->Current();
    state.text = text;
    state.pointSize = pointSize > 0 ? pointSize : m_table->pointSize;
    state.attributes = attributes;
    state.left = cell.left + 1;
    state.top = cell.top + 1;
    state.right = cell.right - 1;
    state.bottom = cell.bottom - 1;
    m_page->PaintTextWithFill(state.fill);
}
