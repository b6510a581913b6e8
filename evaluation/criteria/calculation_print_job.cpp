// The print command of the evaluation dialogs: the print dialog, the printer's device context
// and the print job around the composed pages.

#include "evaluation/criteria/calculation_print.h"

#include <string>

#include "framework/core/codepage.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/gdi.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/printinfo.h"
#include "framework/ui/winapp.h"

namespace {

const char kDocumentName[] = "Dokument przetargowy";

void ShowPrintError(HWND owner, const char *text)
{
    AfxShowMessageBox(owner, text, "Błąd", MB_OK | MB_ICONERROR);
}

// The pages of the job: a page the printer refuses to start is reported and the job goes on.
class PrinterPages : public CalculationPageSink {
public:
    PrinterPages(HDC dc, HWND owner) : m_dc(dc), m_owner(owner) {}
    void StartPage() override
    {
        if (::StartPage(m_dc) <= 0)
            ShowPrintError(m_owner, "Bład drukowania!");
    }
    void EndPage() override { ::EndPage(m_dc); }

private:
    HDC m_dc;
    HWND m_owner;
};

} // namespace

void PrintCalculation(CWnd *pParent, const std::function<void(CalculationPages &)> &compose)
{
    const HWND owner = pParent != nullptr ? pParent->GetSafeHwnd() : nullptr;
    CPrintDialog dialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                        pParent);
    dialog.m_pd.hwndOwner = owner;
    CWinApp *app = AfxGetApp();
    if ((app ? app->DoPrintDialog(&dialog) : dialog.DoModal()) != IDOK) {
        // Without any printer the dialog cannot open; say so rather than seem to do nothing.
        if (::CommDlgExtendedError() == PDERR_NODEFAULTPRN)
            AfxShowMessageBox(owner, kNoPrinterMessage, nullptr, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!UseChosenPrinter(dialog)) {
        AfxShowMessageBox(owner, kNoPrinterMessage, nullptr, MB_OK | MB_ICONEXCLAMATION);
        return;
    }

    const HDC printer = dialog.GetPrinterDC();
    CDC dc;
    dc.Attach(printer);
    dc.m_bPrinting = TRUE;
    dc.m_hAttribDC = printer;
    const RECT page = {0, 0, dc.GetDeviceCaps(PHYSICALWIDTH), dc.GetDeviceCaps(PHYSICALHEIGHT)};

    const std::wstring name = Cp1250ToWide(kDocumentName);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = name.c_str();
    if (::StartDocW(printer, &document) <= 0) {
        ShowPrintError(owner, "Bład drukowania.");
    } else {
        PrinterPages sink(printer, owner);
        {
            CalculationPages pages(&dc, page, sink);
            compose(pages);
        }
        ::EndDoc(printer);
    }
    dc.m_hAttribDC = nullptr;
    dc.Detach();
}
