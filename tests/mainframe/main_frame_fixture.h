// The real main window made on a program folder of its own: empty databases under DB, the
// message boxes of the run recorded and answered, and open proceedings played by fake views.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/morvelank_app.h"
#include "framework/db/connection.h"
#include "framework/ui/docview.h"
#include "framework/ui/frameids.h"
#include "framework/ui/testhook.h"
#include "mainframe/main_frame.h"
#include "mainframe_test_support.h"
#include "res/resource.h"

// An open proceeding as the main window sees it; it records what it is asked.
class FakeProceedingView : public CView, public ProceedingViewServices {
    DECLARE_DYNCREATE(FakeProceedingView)

public:
    void OnDraw(CDC *) override {}
    CString GetProceedingTitle() const override { return title; }
    int OpenProceeding(int, int, const CString &, const CString &) override { return 1; }
    bool IsFromArchive() const override { return fromArchive; }
    int SaveProceeding(const SaveOptions &options) override
    {
        CString entry;
        entry.Format("%s %d,%d,%d", (LPCSTR)title, options.askPassword, options.saveAs, options.onlyIfModified);
        saves.push_back(entry);
        if (onSave)
            onSave();
        return 1;
    }
    bool SaveModifiedPrompt() override
    {
        ++prompts;
        return promptAnswer;
    }

    CString title = "Przetarg";
    bool fromArchive = false;
    bool promptAnswer = true;
    int prompts = 0;
    std::vector<CString> saves; // "<title> askPassword,saveAs,onlyIfModified"
    std::function<void()> onSave;
};

class FakeProceedingDoc : public CDocument {
    DECLARE_DYNCREATE(FakeProceedingDoc)
};

class FakeProceedingChild : public CMDIChildWnd {
    DECLARE_DYNCREATE(FakeProceedingChild)
};

struct ShownMessage {
    CString text;
    CString caption;
    UINT type;
};

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT type) {
            messages.push_back({text, caption, type});
            if (onMessage)
                onMessage(text);
            return answer;
        };
        hookScope = std::make_unique<CTestHookScope>(hook);
        app.MainPath = folder.Path();
        app.SchedulePath = folder.Path() + "\\terminarz";
        ::CreateDirectoryW(Wide(folder.Path() + "\\DB").c_str(), nullptr);
        ::CreateDirectoryW(Wide(app.SchedulePath).c_str(), nullptr);
        WriteBytes(folder.Path() + "\\DB\\morvelank.mdb", {});
        WriteBytes(folder.Path() + "\\DB\\rejestry.mdb", {});
    }

    void TearDown() override
    {
        if (frame && ::IsWindow(frame->GetSafeHwnd()))
            frame->DestroyWindow();
        // The main window's end asks the message loop to stop; no later test may see that.
        MSG quit;
        while (::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
        app.CloseMainDB();
        app.CloseRejestryDB();
    }

    // Creates the main window as start-up does; it is the application's main window.
    void CreateFrame()
    {
        frame = new CMainFrame;
        app.m_pMainWnd = frame;
        ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
        frame->MoveWindow(0, 0, 1000, 700);
        frame->ShowWindow(SW_SHOW);
    }

    // A proceedings template whose documents show fake views.
    void AddProceedingTemplate()
    {
        app.ProceedingTemplate =
            new CMultiDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(FakeProceedingDoc), RUNTIME_CLASS(FakeProceedingChild),
                                  RUNTIME_CLASS(FakeProceedingView));
        app.AddDocTemplate(app.ProceedingTemplate);
    }

    FakeProceedingView *OpenProceeding(const char *title, bool fromArchive)
    {
        CDocument *doc = app.ProceedingTemplate->OpenDocumentFile(nullptr);
        if (!doc)
            return nullptr;
        POSITION pos = doc->GetFirstViewPosition();
        auto *view = dynamic_cast<FakeProceedingView *>(doc->GetNextView(pos));
        if (view) {
            view->title = title;
            view->fromArchive = fromArchive;
        }
        return view;
    }

    TempFolder folder;
    CMorvelankApp app;
    CMainFrame *frame = nullptr;
    CTestHook hook;
    std::unique_ptr<CTestHookScope> hookScope;
    std::vector<ShownMessage> messages;
    std::function<void(const CString &)> onMessage;
    int answer = IDOK;
};
