// A proceeding view in a window, made from the fixture template "tab_stops.rtf" (three
// variables under two headings, Polish letters), with the find and archive questions answered
// by the test and every message box recorded.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "model/file_utils.h"
#include "model/view_tables.h"
#include "model/law_versions.h"
#include "app/morvelank_app.h"
#include "data_file_fixture.h"
#include "document/view/morvelank_doc.h"
#include "document/view/morvelank_view.h"
#include "document/engine/rich_edit_text.h"
#include "document/view/view_tool_prompts.h"
#include "fixture_path.h"
#include "framework/ui/testhook.h"
#include "tests/document/proceeding_view_window.h"

class ScriptedToolPrompts : public ViewToolPrompts {
public:
    bool AskFindText(CWnd *, CString &text, int &matchCase) override
    {
        ++findAsked;
        text = findText;
        matchCase = findMatchCase;
        return findAnswer;
    }

    bool AskArchiveSignature(CWnd *, ArchiveSignatureRequest &request) override
    {
        asked = request;
        ++archiveAsked;
        if (!archiveAnswer)
            return false;
        request.signature = signature;
        request.description = description;
        return true;
    }

    bool findAnswer = true;
    CString findText;
    int findMatchCase = 0;
    int findAsked = 0;

    bool archiveAnswer = true;
    CString signature;
    CString description;
    ArchiveSignatureRequest asked;
    int archiveAsked = 0;
};

class ViewCommandTest : public ::testing::Test {
protected:
    static const int kCode = 162; // templates in the version's folder "63"
    static const int kVersion = 114;

    void SetUp() override
    {
        app.MainPath = m_main.Path();
        app.WorkingPath = m_main / "prace";
        app.ArchivePath = m_main / "archiwum";
        app.UserTemplatesPath = m_main / "szablony_moje";
        ASSERT_TRUE(CreateDirectoryPath(app.WorkingPath));
        ASSERT_TRUE(CreateDirectoryPath(app.ArchivePath));
        InstallKind();
        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT) {
            messages.push_back(caption + ": " + text);
            return IDOK;
        };
        scope = std::make_unique<CTestHookScope>(hook);
        ViewToolPrompts::Install(&prompts);
        ASSERT_TRUE(
            parent.CreateEx(0, nullptr, "postepowanie", WS_POPUP | WS_VISIBLE, 0, 0, 900, 300, nullptr, nullptr));

        view = MakeProceedingView(parent, tree, 300);
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(1, view->CreateProceeding(1, "Przetarg", -1, 0, 0, DefaultValues()));
        ASSERT_EQ(0, view->GetCurrentDocument());
        block = view->m_proceeding.m_tables->m_occurrences.Block(0);
        ASSERT_NE(block, nullptr);
        messages.clear();
    }

    void TearDown() override
    {
        parent.DestroyWindow();
        ViewToolPrompts::Install(nullptr);
        scope.reset();
    }

    void InstallKind() { InstallTabStopsKind(app.MainPath, app.UserTemplatesPath, kVersion, kCode); }

    void PutCaret(int position) { view->GetRichEditCtrl().SetSel(position, position); }

    CHARRANGE Selection()
    {
        CHARRANGE range{};
        view->GetRichEditCtrl().GetSel(range);
        return range;
    }

    CString Text() { return RichEditText(view->GetSafeHwnd()).GetPlainText(); }

    CString SelectedText() { return RichEditText(view->GetSafeHwnd()).GetSelectedText(); }

    TestFolder m_main;
    CMorvelankApp app;
    CTestHook hook;
    std::unique_ptr<CTestHookScope> scope;
    ScriptedToolPrompts prompts;
    std::vector<CString> messages; // "caption: text"
    CWnd parent;
    CTreeView *tree = nullptr;
    CMorvelankView *view = nullptr;
    OccurrenceBlock *block = nullptr;
};
