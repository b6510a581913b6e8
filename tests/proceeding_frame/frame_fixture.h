// A test MDI frame holding one proceeding window made from a template, with a view that
// records what the frame and the tree ask of it and draws its data from view tables.
#pragma once

#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "app/morvelank_app.h"
#include "model/project.h"
#include "model/view_tables.h"
#include "framework/ui/docview.h"
#include "framework/ui/testhook.h"
#include "proceeding/frame/child_frame.h"
#include "document/proceeding_window_view.h"
#include "proceeding/frame/tree_left_view.h"

class TestMainFrame : public CMDIFrameWnd, public MainWindowServices {
    DECLARE_DYNCREATE(TestMainFrame)

public:
    HMENU BuildMainMenu() override { return nullptr; }
    void SetAutosaveTimer() override {}
    void SetStatusText(int pane, const CString &text) override;
    void ShowProgress() override {}
    void SetProgressPos(int position) override { progress.push_back(position); }
    void SetProgressRange(int) override {}
    void ShowBar(int which, int show) override { bars.push_back(which * 10 + show); }
    void ShowFormatBar(int show) override { formatBar.push_back(show); }
    void OpenProject(int, int, const CString &, const CString &) override {}
    BOOL PreTranslateAppMessage(MSG *) override { return FALSE; }

    std::vector<CString> statusTexts; // "pane:text"
    std::vector<int> progress;
    std::vector<int> bars; // bar * 10 + show
    std::vector<int> formatBar;
};

class TestProceedingDoc : public CRichEditDoc {
    DECLARE_DYNCREATE(TestProceedingDoc)
};

class FakeProceedingView : public CRichEditView, public ProceedingWindowView, public ProceedingViewServices {
    DECLARE_DYNCREATE(FakeProceedingView)

public:
    FakeProceedingView();

    int GetProceedingKind() const override { return kind; }
    void SetProceedingKind(int value) override { kind = value; }
    bool IsModified() const override { return modified != 0; }
    void SetModified() override { modified = 1; }
    void SetTree(CTreeView *value) override { tree = value; }
    void SetWordWrap(int mode) override { wrapModes.push_back(mode); }
    void RegenerateDocument() override { ++regenerations; }
    void OnUpdateMultipartLayout(CCmdUI *pCmdUI) override;
    int GetFileVersion() const override { return fileVersion; }
    void UpdateStatusBar() override { ++statusUpdates; }
    CProject &GetProject() override { return project; }
    void SaveProceedingAs() override { commands.push_back("SaveProceedingAs"); }
    void ChangePassword() override { commands.push_back("ChangePassword"); }
    void EditDocumentProperties() override { commands.push_back("EditDocumentProperties"); }
    void GetPageSize() override { commands.push_back("GetPageSize"); }
    void MoveToArchive() override { commands.push_back("MoveToArchive"); }
    void StartTemplateEditor() override { commands.push_back("StartTemplateEditor"); }

    bool IsTreeSyncing() const override { return syncing; }
    int GetDocumentState(int n) const override;
    CString GetDocumentName(int n) const override;
    int IsPartDocument(int n) const override;
    int GetCurrentDocument() const override { return currentDocument; }
    int GetCurrentPart() const override { return currentPart; }
    // Shows a text of numbered lines; the heading of point p starts line 10 * p.
    void ShowDocument(int document, int part) override;
    int GetHeadingPosition(int document, int slot) const override;
    void ToggleDocumentSecured(int document) override;
    void AddFileToProject() override { ++filesAdded; }
    HTREEITEM GetCalculatorItem(int type) const override;
    void ShowCriteriaCalculator(int type) override { calculators.push_back(type); }
    void RunSpecificationWizard() override { ++specificationWizardRuns; }

    CString GetProceedingTitle() const override { return "Przetarg"; }
    int OpenProceeding(int, int, const CString &, const CString &) override { return 1; }
    bool IsFromArchive() const override { return false; }
    int SaveProceeding(const SaveOptions &options) override;
    bool SaveModifiedPrompt() override;

    std::unique_ptr<ViewTables> tables;
    CProject project;
    int kind = -7;
    int modified = 0;
    int fileVersion = -1;
    bool syncing = false;
    bool promptAnswer = true; // what the closing question returns
    int currentDocument = -1;
    int currentPart = 0;
    int regenerations = 0;
    int statusUpdates = 0;
    int filesAdded = 0;
    int prompts = 0;
    bool multipartEnabled = false;
    CTreeView *tree = nullptr;
    HTREEITEM calculatorItems[3] = {nullptr, nullptr, nullptr};
    std::vector<int> wrapModes;
    std::vector<int> calculators;
    int specificationWizardRuns = 0;
    std::vector<CString> saves;    // "askPassword,saveAs,onlyIfModified"
    std::vector<CString> shown;    // "document/part"
    std::vector<CString> commands; // the view operations the frame relayed, by name
    bool generatedWhileVisible = false;
};

// Records what an update handler decided.
struct RecordingCmdUI : CCmdUI {
    int enabled = -1;
    int checked = -1;
    void Enable(BOOL bOn) override
    {
        enabled = bOn ? 1 : 0;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int nCheck) override { checked = nCheck; }
};

class ProceedingWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Asks the active proceeding window to update command id, as a menu or toolbar does.
    RecordingCmdUI Update(UINT id);
    void Command(UINT id) { child->SendMessage(WM_COMMAND, id); }
    // Fills the tree as the view does when a proceeding loads: root, documents with their points
    // (from the headings their blocks hold), parts of per-part documents, "Moje dokumenty" and
    // the own files of the record.
    void FillTree();
    // The item with the code under the parent (the root's children when null); the nth match.
    HTREEITEM FindItem(int code, HTREEITEM parent = nullptr, int nth = 0);
    CString TempFolder(const char *name);

    struct Message {
        CString text;
        CString caption;
        UINT type;
    };
    // Every message box is answered with `answer` and kept; common dialogs are cancelled.
    std::vector<Message> messages;
    int answer = IDNO;
    CTestHook hook;
    std::unique_ptr<CTestHookScope> hookScope;

    CMorvelankApp app;
    TestMainFrame *frame = nullptr;
    CMultiDocTemplate *proceedingTemplate = nullptr;
    CChildFrame *child = nullptr;
    CTreeLeftView *tree = nullptr;
    FakeProceedingView *view = nullptr;
    HTREEITEM root = nullptr;
    HTREEITEM myDocuments = nullptr;
};
