// The program's main window while the full main frame is not there: an MDI frame with the
// main menu and icon that, as it is created, opens the two databases and brings the main one
// up to date; closing it closes them.
#pragma once

#include "framework/ui/wnd.h"

class CMorvelankApp;

class CMinimalMainFrame : public CWnd {
public:
    static constexpr UINT_PTR kAutosaveTimer = 5;
    static constexpr int kShortestAutosave = 5;  // minutes
    static constexpr int kLongestAutosave = 60;

    explicit CMinimalMainFrame(CMorvelankApp &app) : m_app(app) {}

    // The frame window, still hidden; FALSE when it could not be created.
    BOOL CreateFrame();
    // Stops the autosave timer, or restarts it from the application's settings with the
    // interval brought into 5..60 minutes (and stored back).
    void SetAutosaveTimer();

    BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClose();
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    void OpenDatabases();

    CMorvelankApp &m_app;
    HWND m_hWndMDIClient = nullptr;
};
