// The document sets (contracts, legal remedies, forms for contractors) through the main window's
// commands: a new set shows its first document, is saved to the file chosen, closed, and the
// file opened again holds the same tables; a set file that cannot be read opens no window.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "model/file_utils.h"
#include "model/view_tables.h"
#include "app/folder_copy.h"
#include "app/morvelank_app.h"
#include "document/view/morvelank_view.h"
#include "document/engine/rich_edit_text.h"
#include "document/view/window_title.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/testhook.h"
#include "mainframe/main_frame.h"
#include "proceeding/frame/child_frame.h"
#include "res/resource.h"
#include "tests/installed_program/installed_main_window.h"
#include "tests/support/test_folder.h"

namespace {

struct SetCommands {
    UINT newId;
    UINT openId;
    CMultiDocTemplate *CMorvelankApp::*docTemplate;
    CMDIChildWnd *CMorvelankApp::*window;
    int kind;
    int procedureCode;
    const char *fileName;
    const char *titlePrefix;
};

const SetCommands kSets[] = {
    {ID_UMOWY_NOWE, ID_UMOWY_OTWORZ, &CMorvelankApp::ContractsTemplate, &CMorvelankApp::ContractsWindow, 3, 198,
     "umowy szkoły.um", "Umowy::"},
    {ID_SRODKI_NOWE, ID_SRODKI_OTWORZ, &CMorvelankApp::RemediesTemplate, &CMorvelankApp::RemediesWindow, 6, 196,
     "odwołania.opr", "Środki ochrony prawnej::"},
    {ID_WZORY_NOWE, ID_WZORY_OTWORZ, &CMorvelankApp::FormsTemplate, &CMorvelankApp::FormsWindow, 8, 195, "wzory.opw",
     "Wzory dokumentów dla wykonawców::"},
};

std::vector<std::string> TableLines(const ViewTables &tables)
{
    std::vector<std::string> lines;
    for (int i = 0; i < tables.GetVariableCount(); ++i) {
        const VariableSlot &v = tables.m_variables[i];
        CString line;
        line.Format("v%d|%d|%d|%d|%s", i, v.type, v.groupNumber, v.selected, (LPCSTR)v.value);
        lines.push_back(line.GetString());
    }
    for (int d = 0; d < tables.m_nDocumentCount; ++d) {
        const DocumentSlot &slot = tables.m_documents[d];
        CString line;
        line.Format("d%d|%s|%s|%d|%d|%d", d, (LPCSTR)slot.fileName, (LPCSTR)slot.displayName, slot.state, slot.plus,
                    slot.perPart);
        lines.push_back(line.GetString());
    }
    return lines;
}

class DocumentSets : public ::testing::Test {
protected:
    void SetUp() override
    {
        CopyInstallation(app, m_root.Path());
        if (HasFatalFailure())
            return;

        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT) {
            messages += caption + ": " + text + "\n";
            return IDOK;
        };
        hook.onCommonDialog = [this](CCommonDialog &dialog) -> INT_PTR {
            auto *files = dynamic_cast<CFileDialog *>(&dialog);
            if (!files || chosenFile.IsEmpty())
                return IDCANCEL;
            lstrcpynA(files->m_ofn.lpstrFile, chosenFile, static_cast<int>(files->m_ofn.nMaxFile));
            return IDOK;
        };
        scope = std::make_unique<CTestHookScope>(hook);

        frame = OpenMainWindow(app);
        ASSERT_NE(app.ContractsTemplate, nullptr);
        ASSERT_NE(frame, nullptr);
    }

    void TearDown() override
    {
        CloseMainWindow(app, frame);
        scope.reset();
    }

    CMorvelankView *SetView(const SetCommands &set) const
    {
        auto *child = dynamic_cast<CChildFrame *>(app.*(set.window));
        return child ? dynamic_cast<CMorvelankView *>(child->GetView()) : nullptr;
    }

    static CString Title(CMorvelankView &view)
    {
        CString title;
        view.GetParentFrame()->GetWindowText(title);
        return title;
    }

    TestFolder m_root;
    CMorvelankApp app;
    CTestHook hook;
    std::unique_ptr<CTestHookScope> scope;
    CMainFrame *frame = nullptr;
    CString messages;
    CString chosenFile;
};

TEST_F(DocumentSets, NewSetIsShownSavedClosedAndOpenedAgain)
{
    for (const SetCommands &set : kSets) {
        SCOPED_TRACE(set.fileName);
        messages.Empty();
        chosenFile.Empty();
        frame->SendMessage(WM_COMMAND, set.newId);
        CMorvelankView *view = SetView(set);
        ASSERT_NE(view, nullptr) << (LPCSTR)messages;
        EXPECT_TRUE(messages.IsEmpty()) << (LPCSTR)messages;
        EXPECT_EQ(view->GetProceedingKind(), set.kind);
        EXPECT_EQ(view->m_proceeding.m_nProcedureCode, set.procedureCode);
        EXPECT_EQ(view->GetCurrentDocument(), 1);
        CString trimmed = RichEditText(view->GetSafeHwnd()).GetPlainText();
        EXPECT_GT(trimmed.Trim().GetLength(), 0) << "the first document is not generated";
        EXPECT_TRUE(view->IsWindowVisible());
        EXPECT_EQ(Title(*view), CString(set.titlePrefix) + "(plik niezapisany)");
        EXPECT_TRUE(view->IsModified()) << "a new set must ask where to keep it";

        // A value of the user's own, so that reading the starting data again cannot pass for
        // reading the file.
        int changed = 0;
        while (changed < view->m_proceeding.m_tables->GetVariableCount()
               && view->m_proceeding.m_tables->m_variables[changed].value.IsEmpty())
            ++changed;
        ASSERT_LT(changed, view->m_proceeding.m_tables->GetVariableCount());
        VariableSlot &slot = view->m_proceeding.m_tables->m_variables[changed];
        slot.value += " (zmienione)";
        slot.untouched = 0;
        const CString changedValue = slot.value;
        view->ShowDocument(1, -1);
        const CString text = RichEditText(view->GetSafeHwnd()).GetPlainText();

        chosenFile = app.WorkingPath + "\\" + set.fileName;
        (app.*(set.window))->SendMessage(WM_COMMAND, ID_ZAPISZ_POSTEPOWANIE);
        ASSERT_TRUE(FileExists(chosenFile)) << (LPCSTR)messages;
        EXPECT_FALSE(view->IsModified());
        EXPECT_EQ(Title(*view), set.titlePrefix + ShortenTitleText(chosenFile));
        const std::vector<std::string> saved = TableLines(*view->m_proceeding.m_tables);

        (app.*(set.window))->SendMessage(WM_CLOSE);
        EXPECT_FALSE((app.*(set.docTemplate))->GetFirstDocPosition()) << "closed without a question";
        EXPECT_TRUE(messages.IsEmpty()) << (LPCSTR)messages;

        frame->SendMessage(WM_COMMAND, set.openId);
        CMorvelankView *reopened = SetView(set);
        ASSERT_NE(reopened, nullptr) << (LPCSTR)messages;
        EXPECT_TRUE(messages.IsEmpty()) << (LPCSTR)messages;
        EXPECT_EQ(reopened->GetProceedingKind(), set.kind);
        EXPECT_EQ(reopened->GetCurrentDocument(), 1);
        EXPECT_FALSE(reopened->IsModified());
        EXPECT_EQ(Title(*reopened), set.titlePrefix + ShortenTitleText(chosenFile));
        EXPECT_EQ(TableLines(*reopened->m_proceeding.m_tables), saved);
        EXPECT_EQ(reopened->m_proceeding.m_tables->m_variables[changed].value, changedValue);
        EXPECT_EQ(RichEditText(reopened->GetSafeHwnd()).GetPlainText(), text);
        (app.*(set.window))->SendMessage(WM_CLOSE);
    }
}

// A damaged set file must not leave an empty set in a window, which the next save would write
// over the file.
TEST_F(DocumentSets, UnreadableSetFileOpensNoWindow)
{
    const SetCommands &set = kSets[0];
    chosenFile = app.WorkingPath + "\\zepsute.um";
    TestFolder::WriteBytes(chosenFile, "to nie jest plik umów");

    frame->SendMessage(WM_COMMAND, set.openId);
    EXPECT_FALSE(messages.IsEmpty());
    EXPECT_FALSE((app.*(set.docTemplate))->GetFirstDocPosition());
    EXPECT_EQ(app.*(set.window), nullptr);
}

TEST_F(DocumentSets, ContractsDataFileOpensAsTheProgramsLibrary)
{
    const SetCommands &set = kSets[0];
    ASSERT_TRUE(CreateDirectoryPath(GetParentFolder(app.GetContractsDataPath())));
    frame->SendMessage(WM_COMMAND, set.newId);
    ASSERT_NE(SetView(set), nullptr) << (LPCSTR)messages;
    chosenFile = app.GetContractsDataPath();
    (app.*(set.window))->SendMessage(WM_COMMAND, ID_ZAPISZ_POSTEPOWANIE);
    ASSERT_TRUE(FileExists(chosenFile)) << (LPCSTR)messages;
    (app.*(set.window))->SendMessage(WM_CLOSE);
    chosenFile.Empty(); // no dialog on this road

    frame->SendMessage(WM_COMMAND, ID_UMOWY_2006);
    CMorvelankView *view = SetView(set);
    ASSERT_NE(view, nullptr) << (LPCSTR)messages;
    EXPECT_TRUE(messages.IsEmpty()) << (LPCSTR)messages;
    EXPECT_EQ(view->GetProceedingKind(), set.kind);
    EXPECT_EQ(view->GetCurrentDocument(), 1);
    EXPECT_EQ(Title(*view), "Umowy::Biblioteka umów programu Morvelank");
}

TEST_F(DocumentSets, MissingContractsDataFileIsReported)
{
    ASSERT_FALSE(FileExists(app.GetContractsDataPath()));
    frame->SendMessage(WM_COMMAND, ID_UMOWY_2006);
    EXPECT_EQ(messages, "Błąd: Nie znaleziono pliku umów: " + app.GetContractsDataPath() + "\n");
    EXPECT_FALSE(app.ContractsTemplate->GetFirstDocPosition());
}

} // namespace
