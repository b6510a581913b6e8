// CGridCtrl: construction, the window class, colours, the cell font and the message map.
#include "controls/grid/grid_ctrl.h"

#include "framework/core/exceptions.h"
#include "framework/ui/msgbox.h"

#include <ole2.h>

#include <cstdlib>

IMPLEMENT_DYNCREATE(CGridCtrl, CWnd)

BEGIN_MESSAGE_MAP(CGridCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_CAPTURECHANGED()
    ON_WM_SETCURSOR()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_GETDLGCODE()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_WM_SETTINGCHANGE()
    ON_WM_SYSCOLORCHANGE()
    ON_MESSAGE(WM_GRID_FILLLIST, OnFillList)
    ON_NOTIFY_REFLECT(LVN_ENDLABELEDIT, OnEndInPlaceEdit)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

// Drag-and-drop needs OLE on the thread; once per thread is enough.
void EnsureOleInitialised()
{
    static thread_local bool initialised = false;
    if (initialised)
        return;
    if (FAILED(::OleInitialize(nullptr))) {
        AfxMessageBox("OLE initialization failed. Make sure that the OLE libraries are the correct version");
        return;
    }
    initialised = true;
}

} // namespace

CGridCtrl::CGridCtrl(int nRows, int nCols, int nFixedRows, int nFixedCols)
{
    EnsureOleInitialised();
    m_nWheelScrollLines = ReadWheelScrollLines();

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    LOGFONTW logFont{};
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        logFont = metrics.lfMessageFont;
    else
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof logFont, &logFont);
    m_Font.Attach(::CreateFontIndirectW(&logFont));

    RegisterWindowClass();

    SetRowCount(nRows);
    SetColumnCount(nCols);
    SetFixedRowCount(nFixedRows);
    SetFixedColumnCount(nFixedCols);

    m_crWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_crWindowColour = ::GetSysColor(COLOR_WINDOW);
    m_cr3DFace = ::GetSysColor(COLOR_BTNFACE);
    m_crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_crTextColour = m_crWindowText;
    m_crBkColour = m_crWindowColour;
    m_crGridColour = m_crShadow;
    m_crFixedTextColour = m_crWindowText;
    m_crFixedBkColour = m_cr3DFace;
}

CGridCtrl::~CGridCtrl()
{
    DeleteAllCells();
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    m_Font.DeleteObject();
}

void CGridCtrl::RegisterWindowClass()
{
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    if (::GetClassInfoW(instance, L"" GRIDCTRL_CLASSNAME, &wc))
        return;
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = instance;
    wc.hCursor = nullptr;
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"" GRIDCTRL_CLASSNAME;
    if (!::RegisterClassW(&wc))
        AfxThrowResourceException();
}

BOOL CGridCtrl::Create(const RECT &rect, CWnd *pParentWnd, UINT nID, DWORD dwStyle)
{
    return CWnd::Create(GRIDCTRL_CLASSNAME, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CGridCtrl::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    ApplyFont(m_Font);
    m_DropTarget.Register(this);
    ResetScrollBars();
}

void CGridCtrl::OnDestroy()
{
    // OLE holds the window's drop target until it is revoked: never past the window.
    m_DropTarget.Revoke();
    CWnd::OnDestroy();
}

int CGridCtrl::ReadWheelScrollLines()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return 3;
    char buffer[128] = "";
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    const LONG read = ::RegQueryValueExA(key, "WheelScrollLines", nullptr, &type, (LPBYTE)buffer, &size);
    ::RegCloseKey(key);
    if (read != ERROR_SUCCESS)
        return 3;
    buffer[size < sizeof buffer ? size : sizeof buffer - 1] = 0;
    return (int)std::strtol(buffer, nullptr, 10);
}

// ---- Colours ---------------------------------------------------------------------------------

void CGridCtrl::ResetColoursFromSystem()
{
    const COLORREF windowText = ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    // A colour the owner chose stays; one still at its system default follows the system.
    if (m_crTextColour == m_crWindowText)
        m_crTextColour = windowText;
    if (m_crBkColour == m_crWindowColour)
        m_crBkColour = window;
    if (m_crGridColour == m_crShadow)
        m_crGridColour = shadow;
    if (m_crFixedTextColour == m_crWindowText)
        m_crFixedTextColour = windowText;
    if (m_crFixedBkColour == m_cr3DFace)
        m_crFixedBkColour = face;
    m_crWindowText = windowText;
    m_crWindowColour = window;
    m_cr3DFace = face;
    m_crShadow = shadow;
}

void CGridCtrl::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    ResetColoursFromSystem();
}

void CGridCtrl::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CWnd::OnSettingChange(uFlags, lpszSection);
    ResetColoursFromSystem();
    m_nWheelScrollLines = ReadWheelScrollLines();
}

// ---- Font --------------------------------------------------------------------------------------

void CGridCtrl::ApplyFont(HFONT hFont)
{
    if (hFont == nullptr)
        return;
    LOGFONTW logFont{};
    if (!::GetObjectW(hFont, sizeof logFont, &logFont))
        return;
    HFONT copy = ::CreateFontIndirectW(&logFont);
    if (copy == nullptr)
        return;
    m_Font.DeleteObject();
    m_Font.Attach(copy);
    if (m_hWnd == nullptr)
        return;

    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ old = ::SelectObject(dc, copy);
    SIZE blank{};
    ::GetTextExtentPoint32W(dc, L" ", 1, &blank);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);

    m_nMargin = blank.cx;
    m_nDefCellHeight = metrics.tmHeight + metrics.tmExternalLeading + 2 * m_nMargin;
    m_nDefCellWidth = metrics.tmAveCharWidth * 12 + 2 * m_nMargin;
    Invalidate();
}

LRESULT CGridCtrl::OnSetFont(WPARAM wParam, LPARAM)
{
    const LRESULT result = Default();
    ApplyFont((HFONT)wParam);
    return result;
}

LRESULT CGridCtrl::OnGetFont(WPARAM, LPARAM)
{
    return (LRESULT)m_Font.GetSafeHandle();
}
