// The application's printer: the one the last print or page set-up dialog chose, the default
// printer until then. Every dialog works on copies of it, so each holder frees its own handles.

#include "framework/ui/commondlg.h"
#include "framework/ui/winapp.h"

#include <cstring>

namespace {

// A movable copy of a global block; null for null or when memory runs out.
HGLOBAL CopyGlobal(HGLOBAL source)
{
    if (source == nullptr)
        return nullptr;
    const SIZE_T size = ::GlobalSize(source);
    const void *from = ::GlobalLock(source);
    if (from == nullptr)
        return nullptr;
    HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE, size);
    void *to = copy ? ::GlobalLock(copy) : nullptr;
    if (to != nullptr) {
        std::memcpy(to, from, size);
        ::GlobalUnlock(copy);
    } else if (copy != nullptr) {
        ::GlobalFree(copy);
        copy = nullptr;
    }
    ::GlobalUnlock(source);
    return copy;
}

void FreeGlobal(HGLOBAL &handle)
{
    if (handle != nullptr)
        ::GlobalFree(handle);
    handle = nullptr;
}

// Copies of the pair into the dialog's fields, whatever they held freed first.
void HandCopies(HGLOBAL devNames, HGLOBAL devMode, HGLOBAL &dialogDevNames, HGLOBAL &dialogDevMode)
{
    FreeGlobal(dialogDevNames);
    FreeGlobal(dialogDevMode);
    dialogDevNames = CopyGlobal(devNames);
    dialogDevMode = CopyGlobal(devMode);
}

} // namespace

void CWinApp::SelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, BOOL bFreeOld)
{
    if (bFreeOld) {
        if (m_hDevNames != hDevNames)
            FreeGlobal(m_hDevNames);
        if (m_hDevMode != hDevMode)
            FreeGlobal(m_hDevMode);
    }
    m_hDevNames = hDevNames;
    m_hDevMode = hDevMode;
}

BOOL CWinApp::HasPrinter()
{
    if (m_hDevNames != nullptr)
        return TRUE;
    PRINTDLGW defaults{};
    defaults.lStructSize = sizeof defaults;
    defaults.Flags = PD_RETURNDEFAULT;
    if (!::PrintDlgW(&defaults))
        return FALSE;
    SelectPrinter(defaults.hDevNames, defaults.hDevMode);
    return TRUE;
}

BOOL CWinApp::GetPrinterDeviceDefaults(PRINTDLGW *pPrintDlg)
{
    if (!HasPrinter())
        return FALSE;
    HandCopies(m_hDevNames, m_hDevMode, pPrintDlg->hDevNames, pPrintDlg->hDevMode);
    return pPrintDlg->hDevNames != nullptr;
}

INT_PTR CWinApp::DoPrintDialog(CPrintDialog *pPD)
{
    GetPrinterDeviceDefaults(&pPD->m_pd);
    INT_PTR answer = pPD->DoModal();
    if (answer != IDOK && ::CommDlgExtendedError() == PDERR_PRINTERNOTFOUND) {
        // The printer chosen earlier is gone: the dialog opens again on the default one.
        SelectPrinter(nullptr, nullptr);
        FreeGlobal(pPD->m_pd.hDevNames);
        FreeGlobal(pPD->m_pd.hDevMode);
        GetPrinterDeviceDefaults(&pPD->m_pd);
        answer = pPD->DoModal();
    }
    if (answer == IDOK && pPD->m_pd.hDevNames != nullptr)
        SelectPrinter(CopyGlobal(pPD->m_pd.hDevNames), CopyGlobal(pPD->m_pd.hDevMode));
    return answer;
}

INT_PTR CWinApp::DoPageSetupDialog(CPageSetupDialog *pPSD)
{
    if (HasPrinter())
        HandCopies(m_hDevNames, m_hDevMode, pPSD->m_psd.hDevNames, pPSD->m_psd.hDevMode);
    const INT_PTR answer = pPSD->DoModal();
    if (answer == IDOK && pPSD->m_psd.hDevNames != nullptr)
        SelectPrinter(CopyGlobal(pPSD->m_psd.hDevNames), CopyGlobal(pPSD->m_psd.hDevMode));
    return answer;
}
