// The library windows: MDI children split into the library's tree and its document view.
#pragma once

#include "framework/ui/docview.h"

class CZPTreeLeftView;
class CZPUmowyView;

class CLibraryFrame : public CMDIChildWnd {
    DECLARE_DYNAMIC(CLibraryFrame)

public:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext *pContext) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    void OnClose();

    int GetMode() const { return m_nMode; }
    CZPTreeLeftView *GetTree() const { return m_pTree; }
    CZPUmowyView *GetView() const { return m_pView; }

    DECLARE_MESSAGE_MAP()

protected:
    // iconId 0: the window keeps the default icon.
    CLibraryFrame(int mode, const char *title, UINT iconId);

    CSplitterWnd m_wndSplitter;
    CZPTreeLeftView *m_pTree = nullptr;
    CZPUmowyView *m_pView = nullptr;

private:
    void ShowTitleAndIcon();

    int m_nMode;
    CString m_title;
    UINT m_nIconId;
};

class CZPFrame : public CLibraryFrame {
    DECLARE_DYNCREATE(CZPFrame)

public:
    CZPFrame();
};

class CCiekaweFrame : public CLibraryFrame {
    DECLARE_DYNCREATE(CCiekaweFrame)

public:
    CCiekaweFrame();
};

class COrzeczeniaKIOFrame : public CLibraryFrame {
    DECLARE_DYNCREATE(COrzeczeniaKIOFrame)

public:
    COrzeczeniaKIOFrame();

    BOOL PreCreateWindow(CREATESTRUCT &cs) override;
    void OnMDIActivate(BOOL bActivate, CWnd *pActivateWnd, CWnd *pDeactivateWnd);

    DECLARE_MESSAGE_MAP()
};
