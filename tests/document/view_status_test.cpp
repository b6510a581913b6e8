// What the view says in the main window's status bar while it opens, saves and prints a
// proceeding: each text while the work runs, the pane cleared or the outcome told at the end.
#include <gtest/gtest.h>

#include <vector>

#include "tests/document/status_recorder.h"
#include "tests/document/view_command_fixture.h"

namespace {

using ViewStatusTest = ViewCommandTest;

TEST_F(ViewStatusTest, OpeningSavingAndPrintingSayWhatTheyDo)
{
    StatusRecorder main(app);
    ASSERT_EQ(1, view->SaveProceeding(SaveOptions()));
    EXPECT_EQ((std::vector<CString>{"Zapisuje plik", "Zapisał plik"}), main.texts);

    main.texts.clear();
    CMorvelankView *reopened = MakeProceedingView(parent, tree, 300);
    ASSERT_NE(reopened, nullptr);
    ASSERT_EQ(1, reopened->OpenProceeding(0, 0, view->m_proceeding.m_project.GetFolder(),
                                          view->m_proceeding.m_project.GetFileName()));
    ASSERT_FALSE(main.texts.empty());
    EXPECT_STREQ("Dokument niezapisany", main.texts.front());
    EXPECT_STREQ("", main.texts.back());

    // Printing everything stops at the cancelled dialog and leaves the pane empty.
    main.texts.clear();
    hook.onCommonDialog = [](CCommonDialog &) -> INT_PTR { return IDCANCEL; };
    reopened->PrintProceeding();
    EXPECT_EQ((std::vector<CString>{"Drukuje bieżące postępowanie", ""}), main.texts);
}

} // namespace
