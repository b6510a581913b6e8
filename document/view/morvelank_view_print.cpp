// Printing and print preview of the shown document: the text is cleaned for output, laid out on
// pages by the page renderer with the proceeding's header, footer and page numbers, and the
// document is generated again from its template once the printing ends.

#include "document/view/morvelank_view.h"
#include "model/view_tables.h"

#include <algorithm>

#include "app/program_title.h"
#include "document/output/export_text.h"
#include "document/view/print_sheet.h"
#include "framework/ui/winapp.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/framewnd.h"
#include "framework/ui/gdi.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/preview.h"
#include "framework/ui/printinfo.h"
#include "res/document_ids.h"

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kHundredthsMmPerInch = 2540;

// The whole sheet in the DC's device units; the printable area starts at the physical offset.
// The DC answers for the previewed page as well as for a printer.
RECT SheetOf(const CDC &dc)
{
    const int offsetX = dc.GetDeviceCaps(PHYSICALOFFSETX);
    const int offsetY = dc.GetDeviceCaps(PHYSICALOFFSETY);
    return RECT{-offsetX, -offsetY, dc.GetDeviceCaps(PHYSICALWIDTH) - offsetX,
                dc.GetDeviceCaps(PHYSICALHEIGHT) - offsetY};
}

void SetTopLevelTitle(const CWnd *view)
{
    if (CFrameWnd *frame = AfxGetTopLevelFrame(view))
        frame->SetWindowText(ProgramTitle());
}

} // namespace

void CMorvelankView::OnFilePrint()
{
    m_bBatchPrint = 0;
    CRichEditView::OnFilePrint();
}

BOOL CMorvelankView::OnPreparePrinting(CPrintInfo *pInfo)
{
    if (m_bBatchPrint)
        pInfo->m_bDirect = TRUE;
    return DoPreparePrinting(pInfo);
}

void CMorvelankView::PrintProceeding()
{
    SetMainStatusText("Drukuje bieżące postępowanie");
    const int remembered = GetCurrentDocument();
    const int rememberedPart = GetCurrentPart();
    int printed = 0;
    bool stopped = false;
    for (int i = 0; i < m_proceeding.m_tables->m_nDocumentCount && i < kDocumentSlots && !stopped; ++i) {
        if (m_proceeding.m_tables->m_documents[i].state != kStateGenerated)
            continue;
        // A document made once per part is printed for every part.
        const int parts = IsPartDocument(i) ? std::min(std::max(m_proceeding.m_tables->m_nParts, 1), kPartNames) : 1;
        for (int part = 0; part < parts && !stopped; ++part) {
            ShowWindow(SW_HIDE);
            ShowDocument(i, IsPartDocument(i) ? part : -1);
            ShowWindow(SW_SHOW);
            m_bBatchPrint = printed > 0 ? 1 : 0;
            // A cancelled first dialog, or no printer, ends the run: the rest would otherwise go
            // to the default printer unasked.
            CPrintInfo info;
            stopped = !OnPreparePrinting(&info) || !PrintTo(info);
            if (!stopped)
                ++printed;
        }
    }
    m_bBatchPrint = 0;
    ShowWindow(SW_HIDE);
    ShowDocument(remembered, rememberedPart);
    ShowWindow(SW_SHOW);
    SetMainStatusText("");
}

CString CMorvelankView::GetPrintJobTitle() const
{
    const int document = GetCurrentDocument();
    if (document < 0 || document >= kDocumentSlots)
        return CRichEditView::GetPrintJobTitle();
    CString title = m_proceeding.m_tables->m_documents[document].displayName;
    if (title.IsEmpty())
        title = m_proceeding.m_tables->m_documents[document].fileName;
    const int part = GetCurrentPart();
    if (IsPartDocument(document) && part >= 0 && part < m_proceeding.m_tables->m_nParts && part < kPartNames)
        title += " (" + m_proceeding.m_tables->m_partNames[part] + ")";
    return title;
}

void CMorvelankView::OnBeginPrinting(CDC *pDC, CPrintInfo *pInfo)
{
    PrepareExportText();
    m_printPages.Paginate(OutputRtf(), GetPaperSize(), GetMargins(), pDC->m_hAttribDC);
    // A landscape document prints on a landscape sheet, not turned on a portrait one; the job
    // starts after this, and the preview reads the turned sheet back from the printer.
    if (const RichTextLayout *layout = m_printPages.Layout())
        TurnSheetToPage(pDC->m_hAttribDC, pInfo->m_pPD->m_pd.hDevMode, layout->PageSize());
    const CString header = m_proceeding.m_project.m_strHeader;
    const CString footer = m_proceeding.m_project.m_strFooter;
    const bool numbering = m_proceeding.m_project.m_nPageNumbering != 0;
    m_printPages.SetPageTexts([header](int, int) { return header; },
                              [footer, numbering](int page, int) {
                                  if (!numbering)
                                      return footer;
                                  CString number;
                                  number.Format("%d", page);
                                  return footer.IsEmpty() ? number : footer + "    " + number;
                              });
    pInfo->SetMaxPage(static_cast<UINT>(std::max(1, m_printPages.PageCount())));
}

void CMorvelankView::OnPrint(CDC *pDC, CPrintInfo *pInfo)
{
    const int page = static_cast<int>(pInfo->m_nCurPage);
    m_printPages.DrawPage(pDC->m_hDC, page, SheetOf(*pDC));
    if (page >= m_printPages.PageCount())
        pInfo->SetMaxPage(pInfo->m_nCurPage);
    if (pInfo->m_bPreview)
        DrawMarginGuides(pDC, pInfo);
}

void CMorvelankView::DrawMarginGuides(CDC *pDC, CPrintInfo *)
{
    const RichTextLayout *layout = m_printPages.Layout();
    if (pDC->m_hAttribDC == nullptr || layout == nullptr)
        return;
    // The page the renderer laid out, with the paper and margins the document states.
    const RECT sheet = SheetOf(*pDC);
    const MarginGuides guides = MarginGuidesOnSheet(layout->PageSize(), sheet);

    HDC dc = pDC->m_hDC;
    HPEN pen = CreatePen(PS_DOT, 0, ::GetTextColor(dc));
    HGDIOBJ old = SelectObject(dc, pen);
    for (int y : {guides.top, guides.bottom}) {
        MoveToEx(dc, sheet.left, y, nullptr);
        LineTo(dc, sheet.right, y);
    }
    for (int x : {guides.left, guides.right}) {
        MoveToEx(dc, x, sheet.top, nullptr);
        LineTo(dc, x, sheet.bottom);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

void CMorvelankView::OnEndPrinting(CDC *pDC, CPrintInfo *pInfo)
{
    // In a print-all run the next document is generated by the run itself.
    if (m_bBatchPrint)
        EndOutput();
    else
        RegenerateAfterOutput();
    m_bBatchPrint = 0;
    CRichEditView::OnEndPrinting(pDC, pInfo);
    SetTopLevelTitle(this);
}

namespace {

CRuntimeClass *previewViewClass = nullptr;

} // namespace

void CMorvelankView::SetPreviewViewClass(CRuntimeClass *previewClass)
{
    previewViewClass = previewClass;
}

void CMorvelankView::OnFilePrintPreview()
{
    // The program's preview view lives with the main window, above this library; the
    // framework's own stands in until the program sets it.
    CRuntimeClass *previewClass = previewViewClass;
    if (previewClass == nullptr || !previewClass->IsDerivedFrom(RUNTIME_CLASS(CPreviewView)))
        previewClass = RUNTIME_CLASS(CPreviewView);
    CPrintPreviewState *state = new CPrintPreviewState;
    if (!DoPrintPreview(IDD_PREVIEW_BAR, this, previewClass, state)) {
        AfxMessageBox("Command failed.", MB_OK);
        delete state;
    }
}

void CMorvelankView::OnEndPrintPreview(CDC *pDC, CPrintInfo *pInfo, POINT point, CPreviewView *pView)
{
    CRichEditView::OnEndPrintPreview(pDC, pInfo, point, pView);
    SetTopLevelTitle(this);
}

int CMorvelankView::NearestTen(int a)
{
    const int r = a % 10;
    const int b = a - r;
    if (r > 4)
        return b + 10;
    if (r > -5)
        return b;
    return b - 10;
}

void CMorvelankView::ScaleRect(CRect &out, const CRect &in, int numerator, int denominator)
{
    out.left = MulDiv(in.left, numerator, denominator);
    out.top = MulDiv(in.top, numerator, denominator);
    out.right = MulDiv(in.right, numerator, denominator);
    out.bottom = MulDiv(in.bottom, numerator, denominator);
}

namespace {

CRect RoundedToTens(const CRect &rect)
{
    return CRect(CMorvelankView::NearestTen(rect.left), CMorvelankView::NearestTen(rect.top),
                 CMorvelankView::NearestTen(rect.right), CMorvelankView::NearestTen(rect.bottom));
}

} // namespace

void CMorvelankView::GetPageSize()
{
    CPageSetupDialog dialog(PSD_MARGINS | PSD_INHUNDREDTHSOFMILLIMETERS, this);
    CRect margins;
    ScaleRect(margins, GetMargins(), kHundredthsMmPerInch, kTwipsPerInch);
    dialog.m_psd.rtMargin = RoundedToTens(margins);
    const CSize paper = GetPaperSize();
    dialog.m_psd.ptPaperSize = POINT{MulDiv(paper.cx, kHundredthsMmPerInch, kTwipsPerInch),
                                     MulDiv(paper.cy, kHundredthsMmPerInch, kTwipsPerInch)};
    // The printer chosen there becomes the application's, for printing and preview.
    CWinApp *app = AfxGetApp();
    if ((app ? app->DoPageSetupDialog(&dialog) : dialog.DoModal()) != IDOK)
        return;

    RECT chosen;
    dialog.GetMargins(&chosen, nullptr);
    CRect twips;
    ScaleRect(twips, CRect(chosen), kTwipsPerInch, kHundredthsMmPerInch);
    SetMargins(RoundedToTens(twips));
    const CSize chosenPaper = dialog.GetPaperSize();
    SetPaperSize(CSize(NearestTen(MulDiv(chosenPaper.cx, kTwipsPerInch, kHundredthsMmPerInch)),
                       NearestTen(MulDiv(chosenPaper.cy, kTwipsPerInch, kHundredthsMmPerInch))));
    WrapChanged();
}
