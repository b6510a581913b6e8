#include "framework/ui/commondlg.h"

#include "framework/core/codepage.h"
#include "framework/ui/testhook.h"
#include "framework/ui/winapp.h"

#include <string>

IMPLEMENT_DYNAMIC(CCommonDialog, CWnd)
IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CPageSetupDialog, CCommonDialog)

namespace {

// Room for a long path in the file dialogs.
const int fileBufferSize = 4 * MAX_PATH;

// A narrow string that may be null or a resource id, as UTF-16.
struct WideArgument {
    std::wstring text;
    LPCWSTR pointer = nullptr;
    explicit WideArgument(LPCSTR narrow)
    {
        if (narrow != nullptr) {
            text = Cp1250ToWide(narrow);
            pointer = text.c_str();
        }
    }
};

// "a|b|c||" as the dialogs take it: "a\0b\0c\0\0"; an empty filter stays absent.
std::wstring DoubleZeroList(const CString &filter)
{
    std::wstring wide = Cp1250ToWide(filter);
    for (wchar_t &c : wide) {
        if (c == L'|')
            c = L'\0';
    }
    wide.append(2, L'\0');
    return wide;
}

} // namespace

// ---- CCommonDialog ---------------------------------------------------------------------------

INT_PTR CCommonDialog::DoModal()
{
    if (CTestHook *hook = AfxGetTestHook()) {
        return hook->onCommonDialog ? hook->onCommonDialog(*this) : IDCANCEL;
    }
    return Show() ? IDOK : IDCANCEL;
}

HWND CCommonDialog::OwnerHandle() const
{
    if (m_pParentWnd != nullptr)
        return m_pParentWnd->m_hWnd;
    HWND active = ::GetActiveWindow();
    if (active != nullptr)
        return active;
    CWnd *main = AfxGetMainWnd();
    return main ? main->m_hWnd : nullptr;
}

// ---- CFileDialog -----------------------------------------------------------------------------

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd *pParentWnd)
    : CCommonDialog(pParentWnd), m_bOpenFileDialog(bOpenFileDialog), m_fileBuffer(fileBufferSize, '\0'),
      m_strFilter(lpszFilter ? lpszFilter : ""), m_strDefExt(lpszDefExt ? lpszDefExt : "")
{
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLESIZING;
    m_ofn.lpstrFile = m_fileBuffer.data();
    m_ofn.nMaxFile = fileBufferSize;
    m_ofn.lpstrDefExt = lpszDefExt ? m_strDefExt.GetString() : nullptr;
    if (lpszFileName)
        lstrcpynA(m_ofn.lpstrFile, lpszFileName, fileBufferSize);
}

BOOL CFileDialog::Show()
{
    std::wstring file = Cp1250ToWide(m_ofn.lpstrFile ? m_ofn.lpstrFile : "");
    file.resize(m_ofn.nMaxFile > file.size() ? m_ofn.nMaxFile : file.size() + 1, L'\0');
    std::wstring filter = DoubleZeroList(m_strFilter);
    WideArgument defExt(m_ofn.lpstrDefExt);
    WideArgument initialDir(m_ofn.lpstrInitialDir);
    WideArgument title(m_ofn.lpstrTitle);

    OPENFILENAMEW wide{};
    wide.lStructSize = sizeof wide;
    wide.hwndOwner = m_ofn.hwndOwner ? m_ofn.hwndOwner : OwnerHandle();
    wide.lpstrFilter = m_strFilter.IsEmpty() ? nullptr : filter.c_str();
    wide.nFilterIndex = m_ofn.nFilterIndex;
    wide.lpstrFile = &file[0];
    wide.nMaxFile = (DWORD)file.size();
    wide.lpstrInitialDir = initialDir.pointer;
    wide.lpstrTitle = title.pointer;
    wide.lpstrDefExt = defExt.pointer;
    wide.Flags = m_ofn.Flags & ~(OFN_ENABLEHOOK | OFN_ENABLETEMPLATE);

    BOOL chosen = m_bOpenFileDialog ? ::GetOpenFileNameW(&wide) : ::GetSaveFileNameW(&wide);
    if (!chosen)
        return FALSE;
    CString path = WideToCp1250(wide.lpstrFile);
    lstrcpynA(m_ofn.lpstrFile, path, m_ofn.nMaxFile);
    m_ofn.nFilterIndex = wide.nFilterIndex;
    m_ofn.Flags = (m_ofn.Flags & ~OFN_READONLY) | (wide.Flags & OFN_READONLY);
    return TRUE;
}

CString CFileDialog::GetPathName() const
{
    return m_ofn.lpstrFile ? m_ofn.lpstrFile : "";
}

CString CFileDialog::GetFileName() const
{
    CString path = GetPathName();
    return path.Mid(path.ReverseFind('\\') + 1);
}

CString CFileDialog::GetFileExt() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

CString CFileDialog::GetFolderPath() const
{
    CString path = GetPathName();
    int slash = path.ReverseFind('\\');
    return slash < 0 ? CString() : path.Left(slash);
}

// ---- CColorDialog ----------------------------------------------------------------------------

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd *pParentWnd) : CCommonDialog(pParentWnd)
{
    for (COLORREF &custom : m_customColors)
        custom = RGB(255, 255, 255);
    m_cc.lStructSize = sizeof m_cc;
    m_cc.rgbResult = clrInit;
    m_cc.lpCustColors = m_customColors;
    m_cc.Flags = dwFlags | (clrInit != 0 ? CC_RGBINIT : 0);
}

BOOL CColorDialog::Show()
{
    CHOOSECOLORW wide{};
    wide.lStructSize = sizeof wide;
    wide.hwndOwner = m_cc.hwndOwner ? m_cc.hwndOwner : OwnerHandle();
    wide.rgbResult = m_cc.rgbResult;
    wide.lpCustColors = m_cc.lpCustColors;
    wide.Flags = m_cc.Flags & ~(CC_ENABLEHOOK | CC_ENABLETEMPLATE);
    if (!::ChooseColorW(&wide))
        return FALSE;
    m_cc.rgbResult = wide.rgbResult;
    return TRUE;
}

// ---- CPrintDialog ----------------------------------------------------------------------------

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd *pParentWnd) : CCommonDialog(pParentWnd)
{
    m_pd.lStructSize = sizeof m_pd;
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
    m_pd.nCopies = 1;
    m_pd.nFromPage = m_pd.nToPage = m_pd.nMinPage = 1;
    m_pd.nMaxPage = 0xFFFF;
}

CPrintDialog::~CPrintDialog()
{
    if (m_pd.hDC != nullptr)
        ::DeleteDC(m_pd.hDC);
    if (m_pd.hDevMode != nullptr)
        ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames != nullptr)
        ::GlobalFree(m_pd.hDevNames);
}

BOOL CPrintDialog::Show()
{
    if (m_pd.hwndOwner == nullptr)
        m_pd.hwndOwner = OwnerHandle();
    return ::PrintDlgW(&m_pd);
}

BOOL CPrintDialog::GetDefaults()
{
    m_pd.Flags |= PD_RETURNDEFAULT;
    BOOL found = ::PrintDlgW(&m_pd);
    m_pd.Flags &= ~PD_RETURNDEFAULT;
    return found;
}

HDC CPrintDialog::CreatePrinterDC()
{
    if (m_pd.hDevNames == nullptr)
        return nullptr;
    auto *names = static_cast<DEVNAMES *>(::GlobalLock(m_pd.hDevNames));
    auto *mode = m_pd.hDevMode ? static_cast<DEVMODEW *>(::GlobalLock(m_pd.hDevMode)) : nullptr;
    const wchar_t *base = reinterpret_cast<const wchar_t *>(names);
    HDC dc = ::CreateDCW(base + names->wDriverOffset, base + names->wDeviceOffset, base + names->wOutputOffset, mode);
    if (mode)
        ::GlobalUnlock(m_pd.hDevMode);
    ::GlobalUnlock(m_pd.hDevNames);
    if (m_pd.hDC != nullptr)
        ::DeleteDC(m_pd.hDC);
    m_pd.hDC = dc;
    return dc;
}

CString CPrintDialog::DevNamesPart(size_t offsetField) const
{
    if (m_pd.hDevNames == nullptr)
        return CString();
    auto *names = static_cast<const BYTE *>(::GlobalLock(m_pd.hDevNames));
    WORD offset = *reinterpret_cast<const WORD *>(names + offsetField);
    CString part = WideToCp1250(reinterpret_cast<const wchar_t *>(names) + offset);
    ::GlobalUnlock(m_pd.hDevNames);
    return part;
}

CString CPrintDialog::GetDeviceName() const
{
    return DevNamesPart(offsetof(DEVNAMES, wDeviceOffset));
}
CString CPrintDialog::GetDriverName() const
{
    return DevNamesPart(offsetof(DEVNAMES, wDriverOffset));
}
CString CPrintDialog::GetPortName() const
{
    return DevNamesPart(offsetof(DEVNAMES, wOutputOffset));
}

// ---- CPageSetupDialog ------------------------------------------------------------------------

CPageSetupDialog::CPageSetupDialog(DWORD dwFlags, CWnd *pParentWnd) : CCommonDialog(pParentWnd)
{
    m_psd.lStructSize = sizeof m_psd;
    m_psd.Flags = dwFlags;
}

CPageSetupDialog::~CPageSetupDialog()
{
    if (m_psd.hDevMode)
        ::GlobalFree(m_psd.hDevMode);
    if (m_psd.hDevNames)
        ::GlobalFree(m_psd.hDevNames);
}

BOOL CPageSetupDialog::Show()
{
    if (m_psd.hwndOwner == nullptr)
        m_psd.hwndOwner = OwnerHandle();
    return ::PageSetupDlgW(&m_psd);
}

CSize CPageSetupDialog::GetPaperSize() const
{
    return CSize(m_psd.ptPaperSize.x, m_psd.ptPaperSize.y);
}

void CPageSetupDialog::GetMargins(LPRECT lpRectMargins, LPRECT lpRectMinMargins) const
{
    if (lpRectMargins)
        *lpRectMargins = m_psd.rtMargin;
    if (lpRectMinMargins)
        *lpRectMinMargins = m_psd.rtMinMargin;
}

CString CPageSetupDialog::GetDeviceName() const
{
    if (m_psd.hDevNames == nullptr)
        return CString();
    auto *names = static_cast<const DEVNAMES *>(::GlobalLock(m_psd.hDevNames));
    CString device = WideToCp1250(reinterpret_cast<const wchar_t *>(names) + names->wDeviceOffset);
    ::GlobalUnlock(m_psd.hDevNames);
    return device;
}
