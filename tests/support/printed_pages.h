// The page count printing gives a view's shown document, measured on the default printer's
// information context without printing.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include "document/view/morvelank_view.h"
#include "framework/ui/gdi.h"
#include "framework/ui/printinfo.h"

// The default printer's information context, which printing measures with; the screen's when
// the run has no printer.
class ReferenceDC {
public:
    ReferenceDC()
    {
        PRINTDLGW dialog = {};
        dialog.lStructSize = sizeof dialog;
        dialog.Flags = PD_RETURNDEFAULT | PD_RETURNIC;
        if (PrintDlgW(&dialog) && dialog.hDC) {
            m_dc = dialog.hDC;
            m_printer = true;
        } else {
            m_dc = GetDC(nullptr);
        }
        GlobalFree(dialog.hDevMode);
        GlobalFree(dialog.hDevNames);
    }
    ~ReferenceDC()
    {
        if (m_printer)
            DeleteDC(m_dc);
        else
            ReleaseDC(nullptr, m_dc);
    }
    ReferenceDC(const ReferenceDC &) = delete;
    ReferenceDC &operator=(const ReferenceDC &) = delete;

    HDC Handle() const { return m_dc; }
    bool IsPrinter() const { return m_printer; }

private:
    HDC m_dc = nullptr;
    bool m_printer = false;
};

inline int PrintedPages(CMorvelankView &view, const ReferenceDC &reference)
{
    CDC dc;
    dc.m_hAttribDC = reference.Handle();
    dc.m_bPrinting = TRUE;
    CPrintInfo info;
    view.OnBeginPrinting(&dc, &info);
    const int pages = static_cast<int>(info.GetMaxPage());
    view.OnEndPrinting(&dc, &info);
    dc.m_hAttribDC = nullptr;
    return pages;
}
