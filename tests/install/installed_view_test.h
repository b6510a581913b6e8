// A test on a copy of the build's installation, with proceeding views as the program makes
// them: the program's settings point into the copy, message boxes are answered and written to
// `messages`, and the views live in a hidden parent window.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/folder_copy.h"
#include "app/morvelank_app.h"
#include "document/view/morvelank_doc.h"
#include "document/view/morvelank_view.h"
#include "framework/ui/testhook.h"
#include "installation_folder.h"
#include "model/file_utils.h"
#include "model/view_tables.h"
#include "tests/support/test_folder.h"

class InstalledViewTest : public ::testing::Test {
protected:
    // One copy of the installation for all tests of a suite, since copying it costs more than
    // most tests; creating a proceeding only adds to it.
    static void SetUpTestSuite()
    {
        const CString installation = InstallationFolder();
        if (installation.IsEmpty())
            return;
        s_root = new TestFolder;
        ASSERT_TRUE(CreateDirectoryPath(*s_root / "Morvelank"));
        CopyFolder(installation, *s_root / "Morvelank", 1);
        ASSERT_TRUE(CreateDirectoryPath(*s_root / "prace"));
    }

    static void TearDownTestSuite()
    {
        delete s_root;
        s_root = nullptr;
    }

    void SetUp() override
    {
        ASSERT_FALSE(InstallationFolder().IsEmpty()) << "MORVELANK_INSTALLATION is not set";
        ASSERT_NE(s_root, nullptr);
        app.MainPath = *s_root / "Morvelank";
        ASSERT_EQ(1, app.OpenMainDB()); // a saved proceeding is entered in it, as the main window opens it
        app.WorkingPath = *s_root / "prace";
        app.UserTemplatesPath = app.MainPath + "\\szablony_moje";
        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT) {
            messages += caption + ": " + text + "; ";
            return IDOK;
        };
        scope = std::make_unique<CTestHookScope>(hook);
        ASSERT_TRUE(
            parent.CreateEx(0, nullptr, "postepowanie", WS_POPUP | WS_VISIBLE, 0, 0, 900, 700, nullptr, nullptr));
    }

    void TearDown() override
    {
        parent.DestroyWindow(); // the views go with it, the documents with their last view
        scope.reset();
        app.CloseMainDB();
    }

    CMorvelankView *MakeView()
    {
        CCreateContext context;
        context.m_pCurrentDoc = new CMorvelankDoc; // deletes itself with its view
        auto *view = new CMorvelankView;
        EXPECT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 900, 700}, &parent,
                                 AFX_IDW_PANE_FIRST, &context));
        view->OnInitialUpdate();
        return view;
    }

    // The document of the view's list whose file is fileName (in any folder), or -1.
    static int FindDocument(CMorvelankView &view, const char *fileName)
    {
        const CString suffix = CString("\\") + fileName;
        for (int document = 0; document < view.m_proceeding.m_tables->m_nDocumentCount; ++document) {
            const CString &path = view.m_proceeding.m_tables->m_documents[document].fileName;
            if (path.CompareNoCase(fileName) == 0
                || (path.GetLength() > suffix.GetLength() && path.Right(suffix.GetLength()).CompareNoCase(suffix) == 0))
                return document;
        }
        return -1;
    }

    static inline TestFolder *s_root = nullptr;
    CMorvelankApp app;
    CTestHook hook;
    std::unique_ptr<CTestHookScope> scope;
    CWnd parent;
    CString messages;
};
