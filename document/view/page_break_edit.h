// Page breaks the user puts into the shown document and takes out again: the marker text in
// the control, its mark in the proceeding's table, and the positions after it moved with it.
#pragma once

#include <windows.h>

#include "document/engine/rich_edit_text.h"

struct ViewTables;

enum class PageBreakEditResult {
    Done,
    Refused,   // a variable or another marker under the position, or no marker to remove
    TableFull, // the proceeding holds as many marks as the table has room for
};

class PageBreakEdit {
public:
    PageBreakEdit(HWND control, ViewTables &tables, int document);

    // A marker at the position, unless a variable or a marker stands there.
    PageBreakEditResult Insert(int position);
    // The marker under the position taken out of the text and the table.
    PageBreakEditResult Remove(int position);

    // The table index of the shown document's mark under the position; -1 when none.
    int FindMark(int position) const;

private:
    bool IsOnVariable(int position) const;
    // Marks and occurrences of the document that start at from or later move by delta.
    void ShiftFrom(int from, int delta);

    RichEditText m_control;
    ViewTables &m_tables;
    int m_document;
};
