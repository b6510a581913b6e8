// The grid's clipboard text, cut, copy and paste through the system clipboard, and dropping
// text on the grid through its OLE drop target.
#include "grid_fixture.h"

#include "controls/grid/grid_data_source.h"
#include "framework/core/codepage.h"

#include <string>

namespace {

// The bytes of the data object's CF_TEXT block, zeros included.
std::string TextBlock(IDataObject *data)
{
    FORMATETC format{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (data->GetData(&format, &medium) != S_OK)
        return "<no CF_TEXT>";
    const char *bytes = static_cast<const char *>(::GlobalLock(medium.hGlobal));
    std::string block(bytes, ::GlobalSize(medium.hGlobal));
    ::GlobalUnlock(medium.hGlobal);
    ::ReleaseStgMedium(&medium);
    return block;
}

// The selection's text as it goes to the clipboard; "<none>" when nothing was offered.
std::string Copied(CGridCtrl &grid)
{
    CGridDataSource *source = grid.CopyTextFromGrid();
    if (source == nullptr)
        return "<none>";
    std::string block = TextBlock(source);
    source->Release();
    return block.substr(0, block.find('\0'));
}

// Rows first..last of columns 1.., cells joined by "|", rows by "/".
std::string Body(CGridCtrl &grid)
{
    std::string text;
    for (int row = 1; row < grid.GetRowCount(); ++row) {
        if (row > 1)
            text += "/";
        for (int col = 1; col < grid.GetColumnCount(); ++col)
            text += std::string(col > 1 ? "|" : "") + (LPCSTR)grid.GetItemText(row, col);
    }
    return text;
}

void SendCtrlKey(CGridCtrl &grid, UINT key)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    grid.SendMessage(WM_KEYDOWN, key, 1);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
}

} // namespace

TEST(GridClipboard, CopiedTextIsTheSelectionsRectangleByTabsAndLineEnds)
{
    GridInWindow<> g(5, 5);
    CGridCtrl &grid = g.grid;
    EXPECT_EQ("<none>", Copied(grid));

    grid.SetSelectedRange(1, 1, 2, 3);
    EXPECT_EQ("1,1\t1,2\t1,3\r\n2,1\t2,2\t2,3", Copied(grid));

    // Two cells picked with Ctrl: the rectangle between them, empty where nothing was picked.
    grid.ClearSelection();
    grid.SetItemState(1, 1, GVIS_SELECTED);
    grid.SetItemState(3, 3, GVIS_SELECTED);
    EXPECT_EQ("1,1\t\t\r\n\t\t\r\n\t\t3,3", Copied(grid));
}

TEST(GridClipboard, TheBlockIsZeroFilledAndTheUnicodeTextKeepsPolishLetters)
{
    GridInWindow<> g(3, 3);
    CGridCtrl &grid = g.grid;
    grid.SetItemText(1, 1, "Łódź");
    grid.SetItemText(1, 2, std::string(4096 - 5, 'x').c_str()); // 4096 bytes with the tab
    grid.SetSelectedRange(1, 1, 1, 2);

    CGridDataSource *source = grid.CopyTextFromGrid();
    ASSERT_NE(nullptr, source);
    const std::string block = TextBlock(source);
    // A text of whole 4096-byte steps still ends in a zero inside its block.
    EXPECT_EQ(8192u, block.size());
    EXPECT_EQ(4096u, block.find('\0'));
    EXPECT_EQ(std::string(4096, '\0'), block.substr(4096));

    CString read;
    ASSERT_TRUE(ReadDataObjectText(source, read));
    EXPECT_EQ(grid.GetItemText(1, 1) + "\t" + grid.GetItemText(1, 2), read);
    FORMATETC unicode{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    ASSERT_EQ(S_OK, source->GetData(&unicode, &medium));
    EXPECT_EQ(0, wcsncmp(L"\u0141\u00f3d\u017a\t", static_cast<const wchar_t *>(::GlobalLock(medium.hGlobal)), 5));
    ::GlobalUnlock(medium.hGlobal);
    ::ReleaseStgMedium(&medium);
    source->Release();
}

TEST(GridClipboard, PastedTextGoesFieldByFieldAndNeverOutsideTheBody)
{
    const struct {
        int row, col;
        const char *text;
        BOOL result;
        const char *body; // rows 1..3, columns 1..3 afterwards
    } cases[] = {
        {1, 1, "a\tb\tc", TRUE, "a|b|c/2,1|2,2|2,3/3,1|3,2|3,3"},
        // Only tabs separate fields: a comma is part of the text.
        {1, 1, "1,5\t2", TRUE, "1,5|2|1,3/2,1|2,2|2,3/3,1|3,2|3,3"},
        // An empty field keeps its column and leaves its cell alone.
        {1, 1, "a\t\tc", TRUE, "a|1,2|c/2,1|2,2|2,3/3,1|3,2|3,3"},
        {1, 2, "a\r\nb\nc\r\n", TRUE, "1,1|a|1,3/2,1|b|2,3/3,1|c|3,3"},
        // More rows and columns than fit: what fits is written, the rest dropped.
        {2, 2, "a\tb\tc\td\r\ne\tf\tg\r\nh\r\ni", TRUE, "1,1|1,2|1,3/2,1|a|b/3,1|e|f"},
        {0, 1, "x", FALSE, "1,1|1,2|1,3/2,1|2,2|2,3/3,1|3,2|3,3"}, // heading row
        {1, 0, "x", FALSE, "1,1|1,2|1,3/2,1|2,2|2,3/3,1|3,2|3,3"}, // heading column
        {4, 1, "x", FALSE, "1,1|1,2|1,3/2,1|2,2|2,3/3,1|3,2|3,3"}, // outside
    };
    for (const auto &c : cases) {
        GridInWindow<> g(4, 4);
        CGridDataSource *source = CGridDataSource::Create(c.text);
        EXPECT_EQ(c.result, g.grid.PasteTextToGrid(c.row, c.col, source)) << c.text;
        source->Release();
        EXPECT_EQ(c.body, Body(g.grid)) << c.text;
        EXPECT_EQ(4, g.grid.GetRowCount());
        EXPECT_EQ(4, g.grid.GetColumnCount());
    }
}

TEST(GridClipboard, CtrlKeysCutCopyAndPasteThroughTheClipboard)
{
    GridInWindow<> g(5, 4);
    CGridCtrl &grid = g.grid;
    grid.SetSelectedRange(1, 1, 1, 2);
    grid.SetFocusCell(1, 1);
    SendCtrlKey(grid, 'C');
    grid.SetFocusCell(3, 2);
    SendCtrlKey(grid, 'V');
    EXPECT_EQ("1,1|1,2|1,3/2,1|2,2|2,3/3,1|1,1|1,2/4,1|4,2|4,3", Body(grid));

    // Cut empties the cells and leaves them unselected; the text waits on the clipboard.
    grid.SetSelectedRange(2, 1, 2, 3);
    SendCtrlKey(grid, 'X');
    EXPECT_EQ(0, grid.GetSelectedCount());
    EXPECT_EQ("1,1|1,2|1,3/||/3,1|1,1|1,2/4,1|4,2|4,3", Body(grid));
    grid.SetFocusCell(4, 1);
    SendCtrlKey(grid, 'V');
    EXPECT_EQ("1,1|1,2|1,3/||/3,1|1,1|1,2/2,1|2,2|2,3", Body(grid));

    // The owner's paste without a focus cell goes to the first shown body cell.
    grid.SetFocusCell(-1, -1);
    grid.OnEditPaste();
    EXPECT_EQ("2,1|2,2|2,3/||/3,1|1,1|1,2/2,1|2,2|2,3", Body(grid));

    // Nothing selected: a cut leaves the clipboard and the cells as they were.
    grid.ClearSelection();
    SendCtrlKey(grid, 'X');
    grid.SetFocusCell(2, 1);
    SendCtrlKey(grid, 'V');
    EXPECT_EQ("2,1|2,2|2,3/2,1|2,2|2,3/3,1|1,1|1,2/2,1|2,2|2,3", Body(grid));
}

// ---- Dropping ----------------------------------------------------------------------------------

namespace {

class DropOnGrid {
public:
    explicit DropOnGrid(CGridCtrl &grid) : m_grid(grid) { grid.SetDragAndDrop(TRUE); }

    // The drop target OLE knows for the grid's window, as a source would reach it.
    IDropTarget *Target() { return static_cast<IDropTarget *>(::GetPropW(m_grid.m_hWnd, L"OleDropTargetInterface")); }

    POINTL ScreenPointOf(int row, int col)
    {
        CRect rect;
        m_grid.GetCellRect(row, col, &rect);
        CPoint point = rect.CenterPoint();
        m_grid.ClientToScreen(&point);
        return POINTL{point.x, point.y};
    }

    CGridCtrl &m_grid;
};

} // namespace

TEST(GridDrop, TheGridsWindowIsADropTargetFromItsCreationToItsEnd)
{
    GridInWindow<> g(3, 3);
    EXPECT_TRUE(g.grid.IsDropTargetRegistered());
    EXPECT_NE(nullptr, ::GetPropW(g.grid.m_hWnd, L"OleDropTargetInterface"));
    g.grid.DestroyWindow();
    EXPECT_FALSE(g.grid.IsDropTargetRegistered());
}

TEST(GridDrop, AnEnteringDragIsAnsweredByTheCellUnderIt)
{
    GridInWindow<> g(4, 4);
    CGridCtrl &grid = g.grid;
    grid.SetDragAndDrop(TRUE);
    CGridDataSource *text = CGridDataSource::Create("x");
    const CPoint body = g.CentreOf(2, 2);
    const struct {
        BOOL enabled;
        IDataObject *data;
        CPoint point;
        DWORD keys;
        DWORD effect;
    } cases[] = {
        {TRUE, text, body, 0, DROPEFFECT_MOVE},
        {TRUE, text, body, MK_CONTROL, DROPEFFECT_COPY},
        {TRUE, text, g.CentreOf(0, 2), 0, DROPEFFECT_NONE},    // heading row
        {TRUE, text, g.CentreOf(2, 0), 0, DROPEFFECT_NONE},    // heading column
        {TRUE, text, CPoint(body.x, 190), 0, DROPEFFECT_NONE}, // below the last row
        {FALSE, text, body, 0, DROPEFFECT_NONE},
    };
    for (const auto &c : cases) {
        grid.SetDragAndDrop(c.enabled);
        EXPECT_EQ(c.effect, grid.OnDragEnter(c.data, c.keys, c.point)) << c.point.x << "," << c.point.y;
        const bool lit = (grid.GetItemState(2, 2) & GVIS_DROPHILITED) != 0;
        EXPECT_EQ(c.effect != DROPEFFECT_NONE, lit);
        grid.OnDragLeave();
        EXPECT_EQ(0u, grid.GetItemState(2, 2) & GVIS_DROPHILITED);
    }
    text->Release();
}

TEST(GridDrop, DroppingThroughTheTargetMovesTheHighlightAndPastesAtTheCell)
{
    GridInWindow<> g(4, 4);
    g.parent.ShowWindow(SW_SHOWNOACTIVATE);
    DropOnGrid drop(g.grid);
    IDropTarget *target = drop.Target();
    ASSERT_NE(nullptr, target);
    CGridDataSource *text = CGridDataSource::Create("a\tb");

    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(S_OK, target->DragEnter(text, 0, drop.ScreenPointOf(1, 1), &effect));
    EXPECT_EQ((DWORD)DROPEFFECT_MOVE, effect);
    EXPECT_EQ(CGridCellPos(1, 1), g.grid.GetDropHighlightCell());

    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragOver(0, drop.ScreenPointOf(2, 2), &effect);
    EXPECT_EQ(0u, g.grid.GetItemState(1, 1) & GVIS_DROPHILITED);
    EXPECT_NE(0u, g.grid.GetItemState(2, 2) & GVIS_DROPHILITED);

    // A source that only lets its text be copied gets a copy.
    effect = DROPEFFECT_COPY;
    target->DragOver(0, drop.ScreenPointOf(2, 2), &effect);
    EXPECT_EQ((DWORD)DROPEFFECT_COPY, effect);

    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(S_OK, target->Drop(text, 0, drop.ScreenPointOf(2, 2), &effect));
    EXPECT_EQ((DWORD)DROPEFFECT_MOVE, effect);
    EXPECT_EQ("1,1|1,2|1,3/2,1|a|b/3,1|3,2|3,3", Body(g.grid));
    EXPECT_EQ(CGridCellPos(), g.grid.GetDropHighlightCell());
    EXPECT_EQ(0u, g.grid.GetItemState(2, 2) & GVIS_DROPHILITED);

    // A drop over a heading writes nothing and tells the source so, so it cuts nothing.
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragEnter(text, 0, drop.ScreenPointOf(1, 1), &effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->Drop(text, 0, drop.ScreenPointOf(0, 1), &effect);
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, effect);
    EXPECT_EQ("1,1|1,2|1,3/2,1|a|b/3,1|3,2|3,3", Body(g.grid));
    text->Release();
}

TEST(GridDrop, ADragOfSelectedCellsWithinTheGridMovesThemEvenOntoThemselves)
{
    GridInWindow<> g(4, 5);
    CGridCtrl &grid = g.grid;
    grid.SetDragAndDrop(TRUE);
    g.parent.ShowWindow(SW_SHOW);
    grid.SetFocus();
    grid.SetSelectedRange(1, 1, 1, 2);

    // The button is up when the drag asks, so it drops at once where the pointer is: one cell
    // right of the dragged ones, overlapping them.
    CPoint over = g.CentreOf(1, 2);
    grid.ClientToScreen(&over);
    ::SetCursorPos(over.x, over.y);
    const CPoint press = g.CentreOf(1, 1);
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(press.x, press.y));
    ASSERT_EQ(CGridCtrl::MOUSE_PREPARE_DRAG, grid.GetMouseMode());
    grid.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(press.x + 5, press.y));
    EXPECT_EQ(CGridCtrl::MOUSE_NOTHING, grid.GetMouseMode());
    EXPECT_EQ("|1,1|1,2|1,4/2,1|2,2|2,3|2,4/3,1|3,2|3,3|3,4", Body(grid));
}

TEST(GridDrop, TheDragImageIsTheFocusCell)
{
    GridInWindow<> g(3, 3);
    CPoint hotSpot;
    EXPECT_EQ(nullptr, g.grid.CreateDragImage(&hotSpot));
    g.grid.SetFocusCell(1, 2);
    CImageList *image = g.grid.CreateDragImage(&hotSpot);
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(1, image->GetImageCount());
    int cx = 0, cy = 0;
    ImageList_GetIconSize(image->GetSafeHandle(), &cx, &cy);
    EXPECT_EQ(CSize(kColumnWidth, kRowHeight), CSize(cx, cy));
    EXPECT_EQ(CPoint(kColumnWidth, kRowHeight), hotSpot);
    delete image;
}
