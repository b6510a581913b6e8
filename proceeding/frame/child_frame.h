// CChildFrame: the window of one open proceeding (or contracts, legal-remedies or contractor-
// forms set), split into the document tree on the left and the document view on the right.
// Its commands are relays to the view or the tree; the frame itself decides the update rules,
// the word-wrap check marks, the closing sequence and the restoring of installed templates.
#pragma once

#include "framework/ui/docview.h"

class CTreeLeftView;
class MainWindowServices;
class ProceedingWindowView;

class CChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CChildFrame)

public:
    CChildFrame() = default;
    ~CChildFrame() override;

    void ActivateFrame(int nCmdShow = -1) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext *pContext) override;

    // Asks the view's closing question, clears the main window's status bar and closes the
    // frame; does nothing when the user chose to stay.
    void CloseProceeding();
    // Copies the installed templates of the newest law over the private ones.
    void RestoreOriginalTemplates();

    CTreeLeftView *GetTree() const { return m_pTree; }
    ProceedingWindowView *GetView() const { return m_pView; }
    CSplitterWnd &GetSplitter() { return m_wndSplitter; }
    int GetWrapMode() const { return m_nWrapMode; }

    void OnClose();
    void OnDestroy();
    void OnMDIActivate(BOOL bActivate, CWnd *pActivateWnd, CWnd *pDeactivateWnd);

    void OnSave();
    void OnUpdateSave(CCmdUI *pCmdUI);
    void OnSaveAs();
    void OnUpdateSaveAs(CCmdUI *pCmdUI);
    void OnChangePassword();
    void OnDocumentProperties();
    void OnPageSetup();
    void OnMoveToArchive();
    void OnTemplateEditor();
    void OnUpdateKindZero(CCmdUI *pCmdUI);
    void OnWrapNone() { ApplyWordWrap(0); }
    void OnWrapToWindow() { ApplyWordWrap(1); }
    void OnWrapToPrint() { ApplyWordWrap(2); }
    void OnUpdateWrapToWindow(CCmdUI *pCmdUI);
    void OnUpdateWrapToPrint(CCmdUI *pCmdUI);
    void OnUpdateDocumentTree(CCmdUI *pCmdUI);
    void OnMultipartLayout();
    void OnUpdateMultipartLayout(CCmdUI *pCmdUI);
    void OnProtectDocument();
    void OnUpdateProtectDocument(CCmdUI *pCmdUI);
    void OnClearTemplates();
    void OnUpdateSpecificationWizard(CCmdUI *pCmdUI);
    void OnSpecificationWizard();
    void OnHeaderFooter();
    void OnSaveTreeAsText();
    // The chosen documents as attachments of a new message in the mail program.
    void OnSendByEmail();
    // Each chosen correspondence document printed once per chosen contractor of the register.
    void OnMailMerge();

    DECLARE_MESSAGE_MAP()

protected:
    // After the active pane and the frame, the document view: print, export, copy-all and
    // the format bar act on the document while the tree has the focus.
    BOOL RouteToViewAndSelf(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo) override;

private:
    void ApplyWordWrap(int mode);
    MainWindowServices *MainWindow() const;

    CFrameWnd *m_pMainFrame = nullptr;
    CSplitterWnd m_wndSplitter;
    CTreeLeftView *m_pTree = nullptr;
    ProceedingWindowView *m_pView = nullptr;
    int m_nWrapMode = 2;
};
