#pragma once
// The common dialogs: file open/save, colour, print and page set-up.
// Their structures are the code-page-1250 forms the program fills (m_ofn, m_cc, m_pd, m_psd);
// DoModal crosses to the UTF-16 dialogs and back. With a test hook installed, DoModal asks the
// hook instead of showing anything (see testhook.h).

#include "framework/core/cstring.h"
#include "framework/ui/wnd.h"

#include <commdlg.h>

#include <vector>

class CCommonDialog : public CWnd {
    DECLARE_DYNAMIC(CCommonDialog)

public:
    explicit CCommonDialog(CWnd *pParentWnd = nullptr) : m_pParentWnd(pParentWnd) {}
    // IDOK or IDCANCEL.
    virtual INT_PTR DoModal();

protected:
    // Shows the real dialog; TRUE for OK.
    virtual BOOL Show() = 0;
    HWND OwnerHandle() const;
    CWnd *m_pParentWnd;
};

class CFileDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFileDialog)

public:
    // lpszFilter: "Opis (*.rtf)|*.rtf|Wszystkie pliki (*.*)|*.*||".
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd *pParentWnd = nullptr);

    // The chosen file: whole path, name with extension, extension, name without it, folder.
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    CString GetFolderPath() const;
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }

    // Filled by the caller before DoModal as the program needs (initial folder, title...);
    // lpstrFile holds the chosen path afterwards.
    OPENFILENAMEA m_ofn{};

protected:
    BOOL Show() override;

private:
    BOOL m_bOpenFileDialog;
    std::vector<char> m_fileBuffer;
    CString m_strFilter; // with '\0' separators
    CString m_strDefExt;
};

class CColorDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CColorDialog)

public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd *pParentWnd = nullptr);
    COLORREF GetColor() const { return m_cc.rgbResult; }
    CHOOSECOLORA m_cc{};

protected:
    BOOL Show() override;

private:
    COLORREF m_customColors[16];
};

// The print dialog; with bPrintSetupOnly it only chooses the printer. The dialog frees the
// hDevMode/hDevNames and the DC it holds; a caller that keeps the printer keeps copies
// (CWinApp::DoPrintDialog).
class CPrintDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CPrintDialog)

public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE
                                          | PD_NOSELECTION,
                          CWnd *pParentWnd = nullptr);
    ~CPrintDialog() override;
    HDC GetPrinterDC() const { return m_pd.hDC; }
    HDC CreatePrinterDC();
    CString GetDeviceName() const;
    CString GetDriverName() const;
    CString GetPortName() const;
    int GetCopies() const { return m_pd.nCopies; }
    BOOL PrintAll() const { return (m_pd.Flags & (PD_PAGENUMS | PD_SELECTION)) == 0; }
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    BOOL PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
    int GetFromPage() const { return m_pd.nFromPage; }
    int GetToPage() const { return m_pd.nToPage; }
    // Fills m_pd with the default printer without showing anything; FALSE when there is none.
    BOOL GetDefaults();
    PRINTDLGW m_pd{};

protected:
    BOOL Show() override;

private:
    CString DevNamesPart(size_t offsetField) const;
};

// Paper and margins; margins in thousandths of an inch or hundredths of a millimetre as the
// flags say (PSD_INHUNDREDTHSOFMILLIMETERS).
class CPageSetupDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CPageSetupDialog)

public:
    explicit CPageSetupDialog(DWORD dwFlags = PSD_MARGINS | PSD_INWININIINTLMEASURE, CWnd *pParentWnd = nullptr);
    ~CPageSetupDialog() override;
    CSize GetPaperSize() const;
    void GetMargins(LPRECT lpRectMargins, LPRECT lpRectMinMargins) const;
    CString GetDeviceName() const;
    PAGESETUPDLGW m_psd{};

protected:
    BOOL Show() override;
};
