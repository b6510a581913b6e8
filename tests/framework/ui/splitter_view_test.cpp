// A child frame split into a tree view and a rich-edit view, as the proceeding and library
// windows are: panes, sizes, the active view, reflection, and the rich text saved and read.
#include "docview_fixture.h"

namespace {

class TestTreeView : public CTreeView {
    DECLARE_DYNCREATE(TestTreeView)

public:
    int m_nSelections = 0;
    void OnSelChanged(NMHDR *, LRESULT *pResult)
    {
        ++m_nSelections;
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(TestTreeView, CTreeView)
BEGIN_MESSAGE_MAP(TestTreeView, CTreeView)
    ON_NOTIFY_REFLECT(TVN_SELCHANGEDW, OnSelChanged)
END_MESSAGE_MAP()

class TestRichDoc : public CRichEditDoc {
    DECLARE_DYNCREATE(TestRichDoc)
};
IMPLEMENT_DYNCREATE(TestRichDoc, CRichEditDoc)

class SplitChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(SplitChildFrame)

public:
    CSplitterWnd m_splitter;
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext *pContext) override
    {
        if (!m_splitter.CreateStatic(this, 1, 2))
            return FALSE;
        if (!m_splitter.CreateView(0, 0, RUNTIME_CLASS(TestTreeView), CSize(0, 0), pContext)
            || !m_splitter.CreateView(0, 1, RUNTIME_CLASS(CRichEditView), CSize(100, 0), pContext)) {
            m_splitter.DestroyWindow();
            return FALSE;
        }
        SetActiveView(static_cast<CView *>(m_splitter.GetPane(0, 0)));
        m_splitter.SetColumnInfo(0, 150, 0);
        return TRUE;
    }
};
IMPLEMENT_DYNCREATE(SplitChildFrame, CMDIChildWnd)

class SplitterTest : public DocViewTest {
protected:
    void SetUp() override
    {
        DocViewTest::SetUp();
        splitTemplate = new CMultiDocTemplate(IDR_TEST_PLAIN_DOC, RUNTIME_CLASS(TestRichDoc),
                                              RUNTIME_CLASS(SplitChildFrame), RUNTIME_CLASS(CRichEditView));
        app.AddDocTemplate(splitTemplate);
        doc = dynamic_cast<TestRichDoc *>(splitTemplate->OpenDocumentFile(nullptr));
        ASSERT_NE(doc, nullptr);
        child = dynamic_cast<SplitChildFrame *>(frame->MDIGetActive());
        ASSERT_NE(child, nullptr);
        child->MDIMaximize();
        tree = dynamic_cast<TestTreeView *>(child->m_splitter.GetPane(0, 0));
        rich = dynamic_cast<CRichEditView *>(child->m_splitter.GetPane(0, 1));
        ASSERT_NE(tree, nullptr);
        ASSERT_NE(rich, nullptr);
    }
    CMultiDocTemplate *splitTemplate = nullptr;
    TestRichDoc *doc = nullptr;
    SplitChildFrame *child = nullptr;
    TestTreeView *tree = nullptr;
    CRichEditView *rich = nullptr;
};

TEST_F(SplitterTest, PanesSitSideBySideAtTheirSizes)
{
    EXPECT_EQ(doc->GetView(), rich);
    EXPECT_EQ(child->GetActiveView(), tree);
    int width = 0, minimum = -1;
    child->m_splitter.GetColumnInfo(0, width, minimum);
    EXPECT_EQ(width, 150);
    EXPECT_EQ(minimum, 0);

    CRect treeRect, richRect, split;
    tree->GetWindowRect(&treeRect);
    rich->GetWindowRect(&richRect);
    child->m_splitter.GetWindowRect(&split);
    EXPECT_EQ(treeRect.Width(), 150);
    EXPECT_EQ(richRect.left, treeRect.right + child->m_splitter.m_cxSplitter);
    EXPECT_EQ(richRect.right, split.right);
    EXPECT_EQ(treeRect.Height(), split.Height());

    // Dragging the bar moves the border; a column folded to zero hides its pane.
    CPoint bar(treeRect.right - split.left + 3, 20);
    child->m_splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar.x, bar.y));
    child->m_splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(bar.x + 50, bar.y));
    child->m_splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(bar.x + 50, bar.y));
    child->m_splitter.GetColumnInfo(0, width, minimum);
    EXPECT_EQ(width, 200);
    child->m_splitter.SetColumnInfo(0, 0, 0);
    child->m_splitter.RecalcLayout();
    child->m_splitter.GetColumnInfo(0, width, minimum);
    EXPECT_EQ(width, 0);
    EXPECT_FALSE(tree->IsWindowVisible());
}

TEST_F(SplitterTest, TreeNotificationsComeBackToTheTreeViewAndClicksMakeAViewActive)
{
    CTreeCtrl &control = tree->GetTreeCtrl();
    HTREEITEM root = control.InsertItem("Postępowanie");
    HTREEITEM item = control.InsertItem("Ogłoszenie", root);
    control.SelectItem(item);
    EXPECT_EQ(tree->m_nSelections, 1);
    EXPECT_STREQ(control.GetItemText(item), "Ogłoszenie");

    rich->SendMessage(WM_MOUSEACTIVATE, (WPARAM)frame->m_hWnd, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(child->GetActiveView(), rich);
    EXPECT_EQ(frame->GetActiveDocument(), doc);
}

TEST_F(SplitterTest, RichTextIsSavedAndReadBackAsRtf)
{
    CString folder;
    {
        wchar_t path[MAX_PATH] = L"";
        ::GetTempPathW(MAX_PATH, path);
        folder = WideToCp1250(path);
    }
    CString path = folder + "morvelank-dokument.rtf";
    rich->GetRichEditCtrl().SetTextEx("Zażółć gęślą jaźń");
    rich->GetRichEditCtrl().SetSel(0, 6);
    rich->OnCharBold();
    EXPECT_TRUE(doc->IsModified()); // the control's change reached the document
    ASSERT_TRUE(doc->OnSaveDocument(path));
    EXPECT_FALSE(doc->IsModified());

    CFile file(path, CFile::modeRead);
    char start[6] = "";
    file.Read(start, 5);
    file.Close();
    EXPECT_STREQ(start, "{\\rtf");

    doc->CreateClientItem();
    EXPECT_EQ(doc->GetItemCount(), 1);
    ASSERT_TRUE(doc->OnOpenDocument(path));
    EXPECT_EQ(doc->GetItemCount(), 0); // the contents went, items with them
    EXPECT_STREQ(rich->GetRichEditCtrl().GetTextEx(), "Zażółć gęślą jaźń");
    rich->GetRichEditCtrl().SetSel(1, 2);
    CHARFORMAT2A &format = rich->GetCharFormatSelection();
    EXPECT_TRUE(format.dwEffects & CFE_BOLD);
    ::DeleteFileW(Cp1250ToWide(path).c_str());
}

} // namespace
