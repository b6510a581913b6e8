// A view's print preview: the outermost frame handed over to a CPreviewView and its bar.

#include "framework/ui/dialogbar.h"
#include "framework/ui/framewnd.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/preview.h"
#include "framework/ui/printinfo.h"
#include "framework/ui/view.h"

BOOL CView::DoPrintPreview(UINT nIDResource, CView *pPrintView, CRuntimeClass *pPreviewViewClass,
                           CPrintPreviewState *pState)
{
    CFrameWnd *frame = AfxGetTopLevelFrame(this);
    if (frame == nullptr || pPrintView == nullptr || pPreviewViewClass == nullptr || pState == nullptr)
        return FALSE;
    CObject *made = pPreviewViewClass->CreateObject();
    CPreviewView *view = dynamic_cast<CPreviewView *>(made);
    if (view == nullptr) {
        delete made;
        return FALSE;
    }
    CDialogBar *bar = new CDialogBar;
    bar->m_bAutoDelete = TRUE;
    if (!bar->Create(frame, nIDResource, CBRS_TOP, AFX_IDW_PREVIEW_BAR)) {
        delete bar;
        delete view;
        return FALSE;
    }
    pState->TakeOver(frame, bar);
    view->m_pOrigView = this;
    view->m_pToolBar = bar;
    // The view shows the document's pages but is not one of its views: the document's frame
    // counts and closing stay as they were.
    view->m_pDocument = GetDocument();
    CCreateContext context;
    context.m_pCurrentFrame = frame;
    const BOOL created = view->Create(nullptr, nullptr, WS_CHILD | WS_HSCROLL | WS_VSCROLL, CRect(0, 0, 0, 0), frame,
                                      AFX_IDW_PANE_FIRST, &context);
    if (!created || !view->SetPrintView(pPrintView)) {
        // A window that was made deletes its object as it goes; the state stays the caller's.
        if (bar->m_hWnd != nullptr)
            bar->DestroyWindow();
        if (created) {
            view->m_pToolBar = nullptr;
            view->DestroyWindow();
        }
        pState->Restore(frame);
        frame->RecalcLayout();
        return FALSE;
    }
    view->m_pPreviewState = pState;
    bar->ShowWindow(SW_SHOWNA);
    frame->SetActiveView(view);
    frame->RecalcLayout();
    view->ShowWindow(SW_SHOW);
    view->SetFocus();
    bar->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    return TRUE;
}

void CView::OnFilePrintPreview()
{
    CPrintPreviewState *state = new CPrintPreviewState;
    if (!DoPrintPreview(AFX_IDD_PREVIEW_TOOLBAR, this, RUNTIME_CLASS(CPreviewView), state)) {
        delete state;
        AfxMessageBox("Nie można otworzyć podglądu wydruku.", MB_OK | MB_ICONEXCLAMATION);
    }
}

void CView::OnEndPrintPreview(CDC *pDC, CPrintInfo *pInfo, POINT, CPreviewView *pView)
{
    OnEndPrinting(pDC, pInfo);
    pView->ClosePreview();
}
