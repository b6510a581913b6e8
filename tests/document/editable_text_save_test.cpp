// The editable document's own text across a save, when something other than that document was
// put into the control after the user typed: a generation stopped by the full variable pool,
// a document whose template is gone, or simply another document shown. Whatever the control
// holds then, "spec.dat" gets what the user typed.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "model/file_utils.h"
#include "model/view_tables.h"
#include "model/law_versions.h"
#include "app/morvelank_app.h"
#include "data_file_fixture.h"
#include "document/view/morvelank_doc.h"
#include "document/view/morvelank_view.h"
#include "fixture_path.h"
#include "framework/ui/testhook.h"
#include "tests/support/test_folder.h"

namespace {

const int kCode = 162; // templates in its folder "63"
const int kVersion = 114;
const int kEditable = 0;
const int kBlocks = 1; // per-entry blocks: each repetition takes a variable from the pool
const int kPlain = 2;

class EditableTextSaveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.MainPath = m_main.Path();
        app.WorkingPath = m_main / "prace";
        app.UserTemplatesPath = m_main / "szablony_moje";
        ASSERT_TRUE(CreateDirectoryPath(app.WorkingPath));

        const CString config = LawVersions::GetConfigFilePath(app.MainPath, kVersion, kCode);
        ASSERT_TRUE(CreateDirectoryPath(GetParentFolder(config)));
        ASSERT_TRUE(WriteTextFile(config, "opis.rtf;Opis\r\nbloki.rtf;Bloki\r\numowa.rtf;Umowa\r\n"));
        templates = LawVersions::GetTemplateFolder(app.MainPath, app.UserTemplatesPath, kVersion) + "\\63";
        ASSERT_TRUE(CreateDirectoryPath(templates));
        ASSERT_TRUE(WriteTextFile(templates + "\\opis.rtf", "{\\rtf1\\ansi Szablon opisu\\par}"));
        ASSERT_TRUE(CopyFileA(FixturePath("engine/blocks.rtf"), templates + "\\bloki.rtf", FALSE));
        ASSERT_TRUE(WriteTextFile(templates + "\\umowa.rtf", "{\\rtf1\\ansi Tekst umowy\\par}"));

        DataFileHeader header;
        header.version = kVersion;
        header.procedureCode = kCode;
        const CString data = LawVersions::GetDataFilePath(app.MainPath, kCode);
        ASSERT_TRUE(CreateDirectoryPath(GetParentFolder(data)));
        ProceedingDataFile file;
        ASSERT_EQ(1, file.Write(data, "", *FreshTables(), header));

        hook.onMessageBox = [this](const CString &text, const CString &, UINT) {
            messages += text + "\n";
            return IDOK;
        };
        scope = std::make_unique<CTestHookScope>(hook);
        ASSERT_TRUE(
            parent.CreateEx(0, nullptr, "postepowanie", WS_POPUP | WS_VISIBLE, 0, 0, 900, 600, nullptr, nullptr));
    }

    void TearDown() override
    {
        parent.DestroyWindow();
        scope.reset();
    }

    // A new proceeding whose first document is the editable one, shown, with the user's text
    // typed into it and saved.
    CMorvelankView *ProceedingWithTypedText(const char *name)
    {
        CCreateContext context;
        context.m_pCurrentDoc = new CMorvelankDoc; // deletes itself with its view
        auto *view = new CMorvelankView;
        EXPECT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{0, 0, 900, 600}, &parent,
                                 AFX_IDW_PANE_FIRST, &context));
        view->OnInitialUpdate();
        EXPECT_EQ(1, view->CreateProceeding(1, name, -1, 0, 0, DefaultValues())) << messages.GetString();
        view->m_proceeding.m_tables->m_documents[kEditable].state = kStateEditable;
        view->ShowDocument(kEditable, -1);
        Type(view, "Opis od zamawiajacego");
        EXPECT_EQ(1, view->SaveProceeding(SaveOptions()));
        return view;
    }

    // What the user's first click and typing do: the template's text replaced by their own.
    static void Type(CMorvelankView *view, const char *text)
    {
        RichEditText control(view->GetSafeHwnd());
        control.SelectAll();
        control.ReplaceSel(text);
        view->m_proceeding.m_files.m_bClearOnFirstClick = 0;
        view->m_proceeding.m_bModified = 1;
    }

    static std::string Plain(CMorvelankView *view)
    {
        return RichEditText(view->GetSafeHwnd()).GetPlainText().GetString();
    }

    TestFolder m_main;
    CMorvelankApp app;
    CString templates;
    CTestHook hook;
    std::unique_ptr<CTestHookScope> scope;
    CString messages;
    CWnd parent;
};

TEST_F(EditableTextSaveTest, SaveWritesTheTypedTextWhateverTheControlHoldsSince)
{
    const struct {
        const char *what;
        std::function<void(CMorvelankView *)> after;
        int currentDocument;
    } cases[] = {
        {"a generation stopped by the full pool",
         [](CMorvelankView *view) {
             view->m_proceeding.m_tables->m_nNextDynamicVariable = view->GetVariableCount();
             view->ShowDocument(kBlocks, -1);
         },
         kEditable},
        {"a document whose template was removed",
         [this](CMorvelankView *view) {
             ASSERT_TRUE(DeleteFileA(templates + "\\umowa.rtf"));
             view->ShowDocument(kPlain, -1);
         },
         kPlain},
        {"another document shown", [](CMorvelankView *view) { view->ShowDocument(kPlain, -1); }, kPlain},
    };
    int serial = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        CString name;
        name.Format("Przetarg%d", ++serial);
        CMorvelankView *view = ProceedingWithTypedText(name);
        const CString spec = view->m_proceeding.m_project.GetSpecPath();
        ASSERT_NE(std::string::npos, ReadFileToString(spec).Find("Opis od zamawiajacego"));

        // Typed after the last save, then the control given over to something else.
        Type(view, "Opis od zamawiajacego, poprawiony");
        messages.Empty();
        c.after(view);
        ASSERT_EQ(c.currentDocument, view->GetCurrentDocument());
        ASSERT_EQ(1, view->SaveProceeding(SaveOptions()));

        const CString saved = ReadFileToString(spec);
        EXPECT_GE(saved.Find("Opis od zamawiajacego, poprawiony"), 0) << saved.GetString();
        for (const char *foreign : {"Koniec", "Zadanie", "Tekst umowy"})
            EXPECT_LT(saved.Find(foreign), 0) << foreign;

        // Shown again, the document is the user's text, not what the control held meanwhile.
        view->m_proceeding.m_tables->m_nNextDynamicVariable = view->GetFirstVariableIndex();
        view->ShowDocument(kEditable, -1);
        EXPECT_EQ(0u, Plain(view).find("Opis od zamawiajacego, poprawiony")) << Plain(view);
    }
}

TEST_F(EditableTextSaveTest, SaveWaitsWhileTheDocumentIsBeingOutput)
{
    CMorvelankView *view = ProceedingWithTypedText("Wydruk");
    const CString spec = view->m_proceeding.m_project.GetSpecPath();
    Type(view, "Opis od zamawiajacego, poprawiony");

    SaveOptions autosave;
    autosave.onlyIfModified = true;
    view->PrepareExportText();
    EXPECT_EQ(0, view->SaveProceeding(autosave)) << "an autosave during the output";
    EXPECT_LT(ReadFileToString(spec).Find("poprawiony"), 0);

    view->RegenerateAfterOutput();
    EXPECT_EQ(1, view->SaveProceeding(autosave));
    EXPECT_GE(ReadFileToString(spec).Find("Opis od zamawiajacego, poprawiony"), 0);
}

TEST_F(EditableTextSaveTest, StoppedGenerationIsToldAndLeavesTheStoredTextAsItWas)
{
    CMorvelankView *view = ProceedingWithTypedText("Przetarg");
    const CString stored = view->m_proceeding.m_files.m_strEditableText;
    view->m_proceeding.m_tables->m_nNextDynamicVariable = view->GetVariableCount();
    messages.Empty();
    view->ShowDocument(kBlocks, -1);
    EXPECT_EQ("Zbyt duża ilość zmiennych\n", messages);
    ASSERT_NE(std::string::npos, Plain(view).find("Koniec")) << "the control keeps the partly generated text";

    // Another document asked for now takes nothing from the half-made text either.
    view->ShowDocument(kPlain, -1);
    EXPECT_EQ(stored, view->m_proceeding.m_files.m_strEditableText);
}

} // namespace
