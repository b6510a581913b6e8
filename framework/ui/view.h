#pragma once
// CView: a child window that shows one document inside a frame.
//
// A view is created by its frame (or a splitter) from a CCreateContext and joins the context's
// document in WM_CREATE. The sequence after creation: the frame makes one view active
// (SetActiveView), every view gets OnInitialUpdate (through WM_INITIALUPDATE), the frame is
// shown and the active view gets OnActivateView(TRUE) and takes the focus. Views are made with
// new (their run-time class's CreateObject) and delete themselves when their window goes.
//
// Commands reach the active view first, then its document, then the document's template.

#include "framework/ui/frameids.h"
#include "framework/ui/wnd.h"

class CDC;
class CDocument;
class CFrameWnd;
class CPreviewView;
class CPrintInfo;
struct CCreateContext;
struct CPrintPreviewState;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)

public:
    CView() = default;
    ~CView() override;

    CDocument *GetDocument() const { return m_pDocument; }
    CFrameWnd *GetParentFrame() const;

    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT &rect, CWnd *pParentWnd,
                UINT nID, CCreateContext *pContext = nullptr);

    // Called once the frame is complete; the default calls OnUpdate(nullptr, 0, nullptr).
    virtual void OnInitialUpdate();
    // The document changed; the default repaints the view.
    virtual void OnUpdate(CView *pSender, LPARAM lHint, CObject *pHint);
    virtual void OnDraw(CDC *pDC);
    virtual void OnPrepareDC(CDC *pDC);
    // The view became (bActivate) or stopped being the active view of its frame.
    virtual void OnActivateView(BOOL bActivate, CView *pActivateView, CView *pDeactiveView);
    // Its frame was activated (WA_ACTIVE...) or deactivated (WA_INACTIVE).
    virtual void OnActivateFrame(UINT nState, CFrameWnd *pFrameWnd);

    // ---- Printing (viewprint.cpp; the loop is described in printinfo.h) ------------------------
    // FALSE stops the run; the default asks DoPreparePrinting.
    virtual BOOL OnPreparePrinting(CPrintInfo *pInfo);
    // The print dialog (or the default printer when direct or previewing); FALSE when the
    // user cancelled or there is no printer (said in a message box, except in a preview).
    BOOL DoPreparePrinting(CPrintInfo *pInfo);
    virtual void OnBeginPrinting(CDC *pDC, CPrintInfo *pInfo);
    // The default draws the view's OnDraw onto the page.
    virtual void OnPrint(CDC *pDC, CPrintInfo *pInfo);
    virtual void OnEndPrinting(CDC *pDC, CPrintInfo *pInfo);
    // Runs the loop on the printer; FALSE when nothing was printed.
    BOOL PrintTo(CPrintInfo &info);
    // The name of the print job; the default is the document's title.
    virtual CString GetPrintJobTitle() const;
    void OnFilePrint();

    // ---- Print preview (viewpreview.cpp; described in preview.h) -------------------------------
    // The pages of pPrintView in a pPreviewViewClass (a CPreviewView) over the outermost frame,
    // under the bar of dialog template nIDResource. FALSE when it did not start; pState then
    // stays the caller's, otherwise the preview deletes it when it closes.
    BOOL DoPrintPreview(UINT nIDResource, CView *pPrintView, CRuntimeClass *pPreviewViewClass,
                        CPrintPreviewState *pState);
    // The framework's bar and preview view; a preview that cannot start is said in a message.
    void OnFilePrintPreview();
    // The preview is closing: the default ends printing and puts the frame back.
    virtual void OnEndPrintPreview(CDC *pDC, CPrintInfo *pInfo, POINT point, CPreviewView *pView);

    BOOL PreCreateWindow(CREATESTRUCT &cs) override;
    void PostNcDestroy() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo) override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnPaint();
    int OnMouseActivate(CWnd *pDesktopWnd, UINT nHitTest, UINT message);
    LRESULT HandleInitialUpdate(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

public:
    CDocument *m_pDocument = nullptr;

private:
    friend class CDocument;
};

// Creation information handed from a template through a frame to the views it makes.
struct CCreateContext {
    CRuntimeClass *m_pNewViewClass = nullptr;
    CDocument *m_pCurrentDoc = nullptr;
    class CDocTemplate *m_pNewDocTemplate = nullptr;
    CView *m_pLastView = nullptr;
    CFrameWnd *m_pCurrentFrame = nullptr;
};

// The nearest frame around a window (not the window itself), or null.
CFrameWnd *AfxGetParentFrame(const CWnd *pWnd);
// The outermost frame around a window (the window itself when it is one), or null.
CFrameWnd *AfxGetTopLevelFrame(const CWnd *pWnd);
