// A main window that keeps what the view puts into the first pane of the status bar. Made the
// application's main window, it is what the view reaches as the main window's services.
#pragma once

#include <vector>

#include "app/main_window_services.h"
#include "app/morvelank_app.h"
#include "framework/ui/wnd.h"

class StatusRecorder : public CWnd, public MainWindowServices {
public:
    explicit StatusRecorder(CMorvelankApp &app) : m_app(app)
    {
        CreateEx(0, nullptr, "glowne", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
        m_app.m_pMainWnd = this;
    }
    ~StatusRecorder() override
    {
        m_app.m_pMainWnd = nullptr;
        DestroyWindow();
    }
    StatusRecorder(const StatusRecorder &) = delete;
    StatusRecorder &operator=(const StatusRecorder &) = delete;

    HMENU BuildMainMenu() override { return nullptr; }
    void SetAutosaveTimer() override {}
    void SetStatusText(int pane, const CString &text) override
    {
        if (pane == 0)
            texts.push_back(text);
    }
    void ShowProgress() override {}
    void SetProgressPos(int) override {}
    void SetProgressRange(int) override {}
    void ShowBar(int, int) override {}
    void ShowFormatBar(int) override {}
    void OpenProject(int, int, const CString &, const CString &) override {}
    BOOL PreTranslateAppMessage(MSG *) override { return FALSE; }

    std::vector<CString> texts;

private:
    CMorvelankApp &m_app;
};
