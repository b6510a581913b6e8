#include "frame_fixture.h"
#include "model/view_tables.h"

#include <shellapi.h>

#include "document/item_codes.h"
#include "framework/core/codepage.h"
#include "framework/ui/msgbox.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(TestMainFrame, CMDIFrameWnd)
IMPLEMENT_DYNCREATE(TestProceedingDoc, CRichEditDoc)
IMPLEMENT_DYNCREATE(FakeProceedingView, CRichEditView)

void TestMainFrame::SetStatusText(int pane, const CString &text)
{
    CString entry;
    entry.Format("%d:%s", pane, (const char *)text);
    statusTexts.push_back(entry);
}

FakeProceedingView::FakeProceedingView() : tables(std::make_unique<ViewTables>()) {}

void FakeProceedingView::OnUpdateMultipartLayout(CCmdUI *pCmdUI)
{
    pCmdUI->Enable(multipartEnabled);
}

int FakeProceedingView::GetDocumentState(int n) const
{
    if (n < 0)
        n = currentDocument;
    return n >= 0 && n < kDocumentSlots ? tables->m_documents[n].state : -1;
}

CString FakeProceedingView::GetDocumentName(int n) const
{
    return n >= 0 && n < kDocumentSlots ? tables->m_documents[n].fileName : CString();
}

int FakeProceedingView::IsPartDocument(int n) const
{
    return tables->m_nParts > 0 && n >= 0 && n < kDocumentSlots ? tables->m_documents[n].perPart : 0;
}

void FakeProceedingView::ShowDocument(int document, int part)
{
    CString entry;
    entry.Format("%d/%d", document, part);
    shown.push_back(entry);
    if (IsWindowVisible())
        generatedWhileVisible = true;

    CString text;
    for (int line = 0; line < 120; ++line) {
        CString row;
        row.Format("Dokument %d, wiersz %d\r", document, line);
        text += row;
    }
    GetRichEditCtrl().SetWindowText(text);
    currentDocument = document;
    currentPart = part;
    // As generation does: each heading's position is where the control put it.
    if (OccurrenceBlock *block = tables->m_occurrences.Block(document)) {
        for (int point = 1; point < 10; ++point) {
            if (VariableOccurrence *heading = block->Heading(kFirstHeadingSlot + point)) {
                if (heading->variable == kHeadingVariable)
                    heading->position = (int)SendMessage(EM_LINEINDEX, 10 * point);
            }
        }
    }
}

int FakeProceedingView::GetHeadingPosition(int document, int slot) const
{
    const OccurrenceBlock *block = tables->m_occurrences.Block(document);
    const VariableOccurrence *heading = block != nullptr ? block->Heading(slot) : nullptr;
    return heading != nullptr ? heading->position : -1;
}

void FakeProceedingView::ToggleDocumentSecured(int document)
{
    if (document >= 0 && document < kDocumentSlots)
        tables->m_documents[document].secured = tables->m_documents[document].secured ? 0 : 1;
}

HTREEITEM FakeProceedingView::GetCalculatorItem(int type) const
{
    return type >= 0 && type < 3 ? calculatorItems[type] : nullptr;
}

int FakeProceedingView::SaveProceeding(const SaveOptions &options)
{
    CString entry;
    entry.Format("%d,%d,%d", options.askPassword, options.saveAs, options.onlyIfModified);
    saves.push_back(entry);
    return 1;
}

bool FakeProceedingView::SaveModifiedPrompt()
{
    ++prompts;
    if (modified == 0)
        return true;
    const int answer = AfxShowMessageBox(m_hWnd, "Zachować zmiany w 'Przetarg'?", "Morvelank", MB_YESNOCANCEL);
    return answer != IDCANCEL;
}

// ---- The fixture ----------------------------------------------------------------------------------

void ProceedingWindowTest::SetUp()
{
    hook.onMessageBox = [this](const CString &text, const CString &caption, UINT type) {
        messages.push_back({text, caption, type});
        return answer;
    };
    hookScope = std::make_unique<CTestHookScope>(hook);
    app.MainPath = TempFolder("main");
    app.UserTemplatesPath = app.MainPath + "\\szablony_moje";
    proceedingTemplate = new CMultiDocTemplate(IDR_PROCEEDING, RUNTIME_CLASS(TestProceedingDoc),
                                               RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(FakeProceedingView));
    app.AddDocTemplate(proceedingTemplate);
    app.ProceedingTemplate = proceedingTemplate;

    frame = new TestMainFrame;
    ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME));
    app.m_pMainWnd = frame;
    frame->MoveWindow(0, 0, 900, 700);
    frame->ShowWindow(SW_SHOW);

    ASSERT_NE(proceedingTemplate->OpenDocumentFile(nullptr), nullptr);
    child = dynamic_cast<CChildFrame *>(frame->MDIGetActive());
    ASSERT_NE(child, nullptr);
    child->MDIMaximize();
    tree = child->GetTree();
    view = dynamic_cast<FakeProceedingView *>(child->GetView());
    ASSERT_NE(tree, nullptr);
    ASSERT_NE(view, nullptr);

    ViewTables &t = *view->tables;
    const struct {
        const char *name;
        int16_t state;
        uint8_t perPart;
        int points;
    } documents[] = {
        {"Ogłoszenie o zamówieniu", 0, 0, 3},
        {"SIWZ", 0, 1, 0},
        {"Umowa.doc", 5, 0, 0},
        {"http://example.invalid/wzor", 4, 0, 0},
        {"Specyfikacja techniczna", 2, 0, 0},
        {"Protokół", 0, 0, 2},
    };
    for (const auto &d : documents) {
        DocumentSlot &slot = t.m_documents[t.m_nDocumentCount];
        slot.fileName = d.name;
        slot.displayName = d.name;
        slot.state = d.state;
        slot.perPart = d.perPart;
        for (int point = 1; point <= d.points; ++point)
            t.m_occurrences.Block(t.m_nDocumentCount)->Heading(kFirstHeadingSlot + point)->variable = kHeadingVariable;
        ++t.m_nDocumentCount;
    }
    t.m_nParts = 3;
    for (int part = 0; part < t.m_nParts; ++part)
        t.m_partNames[part].Format("Część postępowania %d", part + 1);

    view->project.SetFolder(TempFolder("proceeding"));
    view->project.SetFileName("Przetarg", "dat");
    const char *ownFiles[] = {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"};
    for (const char *name : ownFiles)
        view->project.m_strAttachedFiles[view->project.m_nAttachedCount++] = name;
}

void ProceedingWindowTest::TearDown()
{
    if (frame != nullptr && ::IsWindow(frame->m_hWnd))
        frame->DestroyWindow();
    hookScope.reset();
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
}

RecordingCmdUI ProceedingWindowTest::Update(UINT id)
{
    RecordingCmdUI ui;
    ui.m_nID = id;
    ui.DoUpdate(child, TRUE);
    return ui;
}

void ProceedingWindowTest::FillTree()
{
    CTreeCtrl &control = tree->GetTreeCtrl();
    const ViewTables &t = *view->tables;
    root = control.InsertItem("Przetarg", 0, 0);
    control.SetItemData(root, kItemRoot);
    for (int d = 0; d < t.m_nDocumentCount; ++d) {
        HTREEITEM item = control.InsertItem(t.m_documents[d].displayName, 1, 1, root);
        control.SetItemData(item, MakeItemCode(d, 0));
        if (t.m_documents[d].perPart) {
            for (int part = 0; part < t.m_nParts; ++part) {
                HTREEITEM partItem = control.InsertItem(t.m_partNames[part], 1, 1, item);
                control.SetItemData(partItem, MakeItemCode(d, 0));
            }
        }
        const OccurrenceBlock *block = t.m_occurrences.Block(d);
        for (int point = 1; block != nullptr && point < 10; ++point) {
            if (block->Heading(kFirstHeadingSlot + point)->variable != kHeadingVariable)
                continue;
            CString text;
            text.Format("%d. Punkt", point);
            HTREEITEM pointItem = control.InsertItem(text, 2, 2, item);
            control.SetItemData(pointItem, MakeItemCode(d, point));
        }
    }
    myDocuments = control.InsertItem("Moje dokumenty", 7, 8, root);
    control.SetItemData(myDocuments, kItemMyDocuments);
    for (int i = 0; i < view->project.m_nAttachedCount; ++i) {
        HTREEITEM file = control.InsertItem(view->project.m_strAttachedFiles[i], 4, 4, myDocuments);
        control.SetItemData(file, kItemOwnFile);
    }
    control.Expand(root, TVE_EXPAND);
}

HTREEITEM ProceedingWindowTest::FindItem(int code, HTREEITEM parent, int nth)
{
    CTreeCtrl &control = tree->GetTreeCtrl();
    for (HTREEITEM item = control.GetChildItem(parent != nullptr ? parent : root); item != nullptr;
         item = control.GetNextSiblingItem(item)) {
        if ((int)control.GetItemData(item) == code && nth-- == 0)
            return item;
    }
    return nullptr;
}

CString ProceedingWindowTest::TempFolder(const char *name)
{
    wchar_t temp[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, temp);
    CString folder = WideToCp1250(temp);
    folder += "proceeding_frame_";
    folder += name;
    // Each test starts from an empty folder, whatever an earlier run left.
    std::wstring from = Cp1250ToWide(folder);
    from.push_back(L'\0'); // the list of paths ends with an empty one
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    ::SHFileOperationW(&operation);
    ::CreateDirectoryW(Cp1250ToWide(folder).c_str(), nullptr);
    return folder;
}
