// An MDI application for the frame and view tests: a main frame from a test resource with a
// toolbar, a status bar with a progress control over pane 1 and a dialog bar, and two
// templates, one with document strings (".mvt") and one without, as the program's are.
#pragma once

#include "docview_resource.h"
#include "ui_test_support.h"

#include "framework/core/archive.h"
#include "framework/ui/docview.h"

#include <gtest/gtest.h>

#include <vector>

// Records which object took each routed command.
struct CommandLog {
    std::vector<CString> entries;
    void Add(const char *who, UINT id)
    {
        CString entry;
        entry.Format("%s:%u", who, id);
        entries.push_back(entry);
    }
};
CommandLog &TheCommandLog();

class TestDoc : public CDocument {
    DECLARE_DYNCREATE(TestDoc)

public:
    CString m_text;
    void Serialize(CArchive &ar) override
    {
        if (ar.IsStoring()) {
            ar << m_text;
        } else {
            ar >> m_text;
        }
    }
    void OnDocCommand() { TheCommandLog().Add("doc", ID_TEST_DOC_CMD); }
    DECLARE_MESSAGE_MAP()
};

class TestView : public CView {
    DECLARE_DYNCREATE(TestView)

public:
    int m_nInitialUpdates = 0;
    int m_nActivations = 0;
    void OnInitialUpdate() override
    {
        ++m_nInitialUpdates;
        CView::OnInitialUpdate();
    }
    void OnActivateView(BOOL bActivate, CView *pActivateView, CView *pDeactiveView) override
    {
        if (bActivate)
            ++m_nActivations;
        CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
    }
    void OnRouted() { TheCommandLog().Add("view", ID_TEST_ROUTED); }
    DECLARE_MESSAGE_MAP()
};

class TestMainFrame : public CMDIFrameWnd {
    DECLARE_DYNCREATE(TestMainFrame)

public:
    CToolBar m_toolBar;
    CStatusBar m_statusBar;
    CDialogBar m_dialogBar;
    CProgressCtrl m_progress;
    std::vector<UINT> m_dropDowns;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnFrameCommand() { TheCommandLog().Add("frame", ID_TEST_FRAME_CMD); }
    void OnUpdateDisabled(CCmdUI *pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnDropDown(NMHDR *pNMHDR, LRESULT *pResult);
    void OnUpdateRouted(CCmdUI *pCmdUI) { pCmdUI->Enable(TRUE); }
    void OnBarButton() { TheCommandLog().Add("frame", ID_TEST_BAR_BUTTON); }
    DECLARE_MESSAGE_MAP()
};

class TestApp : public CWinApp {
public:
    TestApp() : CWinApp("Testy okien") {}
    void OnAppCommand() { TheCommandLog().Add("app", ID_TEST_APP_CMD); }
    DECLARE_MESSAGE_MAP()
};

// A fresh application with the main frame shown and both templates added.
class DocViewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TestApp app;
    TestMainFrame *frame = nullptr;
    CMultiDocTemplate *namedTemplate = nullptr; // TestDoc + CMDIChildWnd + TestView, ".mvt"
    CMultiDocTemplate *plainTemplate = nullptr; // no document strings
};
