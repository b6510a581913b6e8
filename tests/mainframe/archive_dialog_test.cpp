// The archive browser's dialog under the test hook: what it shows in either mode, the filter,
// choosing, the sample, deleting and changing the folder.
#include "archive_fixture.h"

#include <commctrl.h>

#include <functional>
#include <memory>

#include "framework/ui/testhook.h"
#include "mainframe/archive/archiwum_dlg.h"
#include "mainframe/settings_dlg.h"
#include "res/resource.h"

namespace {

struct BoxShown {
    CString text;
    CString caption;
    UINT type;
};

class ArchiveDialogTest : public ArchiveFolderTest {
protected:
    void SetUp() override
    {
        ArchiveFolderTest::SetUp();
        remontTime = MakeProceeding(current, "Remont", "Remont", 64, 114);
        MakeProceeding(current, "Dostawa", "Dostawa", 45, 114);
        MakeProceeding(current, "", "luźny", 45, 114);
        MakeProceeding(archive, "Zamknięte 2019", "Zamknięte 2019", 1, 20);
    }

    INT_PTR Run(int mode, const std::function<void(CArchiwumDlg &)> &act,
                const std::function<void(CDialog &)> &nested = nullptr)
    {
        dialog = std::make_unique<CArchiwumDlg>();
        dialog->m_nMode = mode;
        CTestHook hook;
        hook.onDialog = [&](CDialog &shown) {
            if (&shown == dialog.get())
                act(*dialog);
            else if (nested)
                nested(shown);
        };
        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT type) {
            boxes.push_back({text, caption, type});
            return boxAnswer;
        };
        CTestHookScope scope(hook);
        return dialog->DoModal();
    }

    static void Press(CWnd &window, int id)
    {
        window.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)window.GetDlgItem(id)->m_hWnd);
    }

    static CString Text(CWnd &window, int id)
    {
        CString text;
        window.GetDlgItem(id)->GetWindowText(text);
        return text;
    }

    static int RowOf(CArchiwumDlg &d, const char *name)
    {
        for (int item = 0; item < d.List().GetItemCount(); ++item)
            if (d.List().GetItemText(item, CArchiwumDlg::ColumnName) == name)
                return item;
        return -1;
    }

    static void Select(CArchiwumDlg &d, const char *name)
    {
        const int item = RowOf(d, name);
        ASSERT_GE(item, 0) << name;
        d.List().SetItemState(item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }

    static std::vector<CString> Row(CArchiwumDlg &d, int item, int columns)
    {
        std::vector<CString> texts;
        for (int column = 0; column < columns; ++column)
            texts.push_back(d.List().GetItemText(item, column));
        return texts;
    }

    static int ColumnCount(CArchiwumDlg &d) { return Header_GetItemCount(d.List().GetHeaderCtrl()->m_hWnd); }

    static void ChooseKind(CArchiwumDlg &d, int index)
    {
        d.SendDlgItemMessage(IDC_ARCHIWUM_KIND, CB_SETCURSEL, index);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ARCHIWUM_KIND, CBN_SELCHANGE),
                      (LPARAM)d.GetDlgItem(IDC_ARCHIWUM_KIND)->m_hWnd);
    }

    std::unique_ptr<CArchiwumDlg> dialog;
    CString remontTime;
    std::vector<BoxShown> boxes;
    int boxAnswer = IDOK;
};

TEST_F(ArchiveDialogTest, EachModeShowsItsFolderColumnsAndButtons)
{
    app.WorkingPath = current + "\\\\";
    const struct {
        int mode;
        const char *caption, *label;
        CString folder;
        int columns;
        bool sampleShown;
        int rows;
    } cases[] = {
        {CArchiwumDlg::ModeCurrent, "Postępowanie w toku...", "Katalog postępowań bieżących:", current, 4, true, 3},
        {CArchiwumDlg::ModeArchive, "Archiwum", "Katalog archiwum:", archive, 3, false, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.mode);
        CString caption, label, shownFolder;
        int columns = 0, rows = 0, kinds = 0;
        bool sampleShown = false, upShown = true;
        Run(c.mode, [&](CArchiwumDlg &d) {
            d.GetWindowText(caption);
            label = Text(d, IDC_ARCHIWUM_LABEL);
            shownFolder = Text(d, IDC_ARCHIWUM_FOLDER);
            columns = ColumnCount(d);
            rows = d.List().GetItemCount();
            kinds = (int)d.SendDlgItemMessage(IDC_ARCHIWUM_KIND, CB_GETCOUNT);
            sampleShown = (d.GetDlgItem(IDC_ARCHIWUM_SAMPLE)->GetStyle() & WS_VISIBLE) != 0;
            upShown = (d.GetDlgItem(IDC_ARCHIWUM_UP)->GetStyle() & WS_VISIBLE) != 0;
        });
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(label, c.label);
        EXPECT_EQ(shownFolder, c.folder);
        EXPECT_EQ(columns, c.columns);
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(kinds, 14);
        EXPECT_EQ(sampleShown, c.sampleShown);
        EXPECT_FALSE(upShown);
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ArchiveDialogTest, RowsCarryKindNamePathAndDate)
{
    std::vector<CString> remont, record;
    int pathWidth = -1;
    Run(CArchiwumDlg::ModeCurrent, [&](CArchiwumDlg &d) {
        remont = Row(d, RowOf(d, "Remont"), 4);
        record = Row(d, RowOf(d, "luźny.baz"), 4);
        pathWidth = d.List().GetColumnWidth(CArchiwumDlg::ColumnPath);
    });
    EXPECT_EQ(remont, (std::vector<CString>{"Od 2021r.,Tryb podst.bez negocj.poniżej progów unijnych", "Remont",
                                            "Remont\\Remont.baz", remontTime}));
    EXPECT_EQ(record[0], "Licytacja elektroniczna ");
    EXPECT_EQ(record[2], "luźny.baz");
    EXPECT_EQ(pathWidth, 0);
}

TEST_F(ArchiveDialogTest, KindFilterRefillsTheList)
{
    std::vector<int> counts;
    Run(CArchiwumDlg::ModeCurrent, [&](CArchiwumDlg &d) {
        ChooseKind(d, 12); // "Licytacja elektroniczna", code 45
        counts.push_back(d.List().GetItemCount());
        counts.push_back(d.m_nKindFilter);
        ChooseKind(d, 1); // code 40: none here
        counts.push_back(d.List().GetItemCount());
        ChooseKind(d, 0);
        counts.push_back(d.List().GetItemCount());
    });
    EXPECT_EQ(counts, (std::vector<int>{2, 45, 0, 3}));
}

TEST_F(ArchiveDialogTest, OkWithoutChoiceAsksForAFileAndStaysOpen)
{
    // The hook ends a dialog still open with IDCANCEL.
    const INT_PTR result = Run(CArchiwumDlg::ModeCurrent, [&](CArchiwumDlg &d) { Press(d, IDOK); });
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Proszę wybrać plik do otwarcia");
    EXPECT_EQ(boxes[0].caption, "Błąd");
    EXPECT_EQ(boxes[0].type & MB_ICONMASK, (UINT)MB_ICONERROR);
}

TEST_F(ArchiveDialogTest, ChoiceGivesTheProceedingsFolderAndFile)
{
    const struct {
        const char *row;
        bool doubleClick;
        CString proceedingFolder, fileName, chosenFolder;
    } cases[] = {
        {"Remont", false, "Remont", "Remont.baz", current + "\\Remont"},
        {"Dostawa", true, "Dostawa", "Dostawa.baz", current + "\\Dostawa"},
        {"luźny.baz", false, "", "luźny.baz", current},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.row);
        CString description;
        const INT_PTR result = Run(CArchiwumDlg::ModeCurrent, [&](CArchiwumDlg &d) {
            Select(d, c.row);
            description = Text(d, IDC_ARCHIWUM_DESCRIPTION);
            if (!c.doubleClick) {
                Press(d, IDOK);
                return;
            }
            NMITEMACTIVATE click{};
            click.hdr.hwndFrom = d.List().m_hWnd;
            click.hdr.idFrom = IDC_ARCHIWUM_LIST;
            click.hdr.code = NM_DBLCLK;
            click.iItem = RowOf(d, c.row);
            d.SendMessage(WM_NOTIFY, IDC_ARCHIWUM_LIST, (LPARAM)&click);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dialog->m_nSample, 0);
        EXPECT_EQ(dialog->m_strProceedingFolder, c.proceedingFolder);
        EXPECT_EQ(dialog->m_strFileName, c.fileName);
        EXPECT_EQ(dialog->GetChosenFolder(), c.chosenFolder);
        EXPECT_EQ(dialog->m_strResultPath, c.chosenFolder + "\\" + c.fileName);
        EXPECT_GE(description.Find("Tryb: "), 0);
        EXPECT_TRUE(boxes.empty());
    }
}

TEST_F(ArchiveDialogTest, OlderSingleFileIsNotHandedOn)
{
    // A record of the same name lies beside it: opening must not take that one instead.
    MakeProceeding(current, "", "stary", 0, 114);
    WriteBytes(current + "\\stary.zp1", {'x'});
    const INT_PTR result = Run(CArchiwumDlg::ModeCurrent, [&](CArchiwumDlg &d) {
        Select(d, "stary.zp1");
        Press(d, IDOK);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(dialog->m_strResultPath.IsEmpty());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Postępowania zapisanego w starszym formacie jednoplikowym nie można otworzyć.");
}

TEST_F(ArchiveDialogTest, SampleNeedsNoRow)
{
    const INT_PTR result = Run(CArchiwumDlg::ModeCurrent, [&](CArchiwumDlg &d) { Press(d, IDC_ARCHIWUM_SAMPLE); });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog->m_nSample, 1);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ArchiveDialogTest, DeleteAsksFirstAndRemovesFolderAndRowOnYes)
{
    const struct {
        int answer;
        bool deleted;
    } cases[] = {{IDNO, false}, {IDYES, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.answer);
        boxes.clear();
        boxAnswer = c.answer;
        int rowAfter = -2;
        Run(CArchiwumDlg::ModeCurrent, [&](CArchiwumDlg &d) {
            Select(d, "Remont");
            Press(d, IDC_ARCHIWUM_DELETE);
            rowAfter = RowOf(d, "Remont");
        });
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "Operacja usunięcia postępowania jest operacją nieodwracalną.\r\n"
                                 "Czy chcesz usunąc zaznaczone postępowanie?");
        EXPECT_EQ(boxes[0].caption, "Pytanie");
        EXPECT_EQ(boxes[0].type, (UINT)(MB_YESNO | MB_ICONQUESTION));
        EXPECT_EQ(rowAfter < 0, c.deleted);
        EXPECT_EQ(::GetFileAttributesW(Wide(current + "\\Remont").c_str()) == INVALID_FILE_ATTRIBUTES, c.deleted);
    }
    EXPECT_NE(::GetFileAttributesW(Wide(current + "\\Dostawa\\Dostawa.baz").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ArchiveDialogTest, FailedOrRefusedDeleteKeepsRowAndFiles)
{
    const CString inUse = current + "\\Remont\\Remont.dat";
    HANDLE open = ::CreateFileW(Wide(inUse).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);
    boxAnswer = IDYES;
    bool remontListed = false, recordListed = false;
    Run(CArchiwumDlg::ModeCurrent, [&](CArchiwumDlg &d) {
        Select(d, "Remont");
        Press(d, IDC_ARCHIWUM_DELETE);
        remontListed = RowOf(d, "Remont") >= 0;
        Select(d, "luźny.baz");
        Press(d, IDC_ARCHIWUM_DELETE);
        recordListed = RowOf(d, "luźny.baz") >= 0;
    });
    ::CloseHandle(open);
    EXPECT_TRUE(remontListed);
    EXPECT_TRUE(recordListed);
    EXPECT_NE(::GetFileAttributesW(Wide(inUse).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(::GetFileAttributesW(Wide(current + "\\luźny.baz").c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].caption, "Pytanie");
    EXPECT_EQ(boxes[1].text, "Nie udało się usunąć postępowania \"Remont\".\r\n"
                             "Niektóre jego pliki mogą być otwarte w innym programie.");
    EXPECT_EQ(boxes[2].text, "Usunąć można tylko postępowanie zapisane we własnym katalogu.");
}

TEST_F(ArchiveDialogTest, MissingFolderIsToldAndListsNothing)
{
    app.ArchivePath = folder.Path() + "\\nie ma";
    int rows = -1;
    Run(CArchiwumDlg::ModeArchive, [&](CArchiwumDlg &d) { rows = d.List().GetItemCount(); });
    EXPECT_EQ(rows, 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Nie znaleziono katalogu: " + app.ArchivePath
                                 + ".\r\nKatalog można wskazać przyciskiem \"Zmień katalog\".");
    EXPECT_EQ(boxes[0].caption, "Błąd");
}

TEST_F(ArchiveDialogTest, ChangedFolderIsListedAtOnce)
{
    const CString other = folder.Path() + "\\inne";
    MakeFolder(other);
    MakeProceeding(other, "Nowe", "Nowe", 0, 114);
    for (const char *name : {"terminarz", "kopie", "eksport"})
        MakeFolder(folder.Path() + "\\" + name);
    app.SchedulePath = folder.Path() + "\\terminarz";
    app.BackupPath = folder.Path() + "\\kopie";
    app.ExportPath = folder.Path() + "\\eksport";

    int focusField = 0;
    CString shownFolder;
    std::vector<CString> names;
    Run(
        CArchiwumDlg::ModeCurrent,
        [&](CArchiwumDlg &d) {
            Press(d, IDC_ARCHIWUM_CHANGE_FOLDER);
            shownFolder = Text(d, IDC_ARCHIWUM_FOLDER);
            for (int item = 0; item < d.List().GetItemCount(); ++item)
                names.push_back(d.List().GetItemText(item, CArchiwumDlg::ColumnName));
        },
        [&](CDialog &nested) {
            auto &settings = dynamic_cast<CUstawieniaDlg &>(nested);
            focusField = settings.m_focusField;
            settings.SetDlgItemText(IDC_FOLDER_CURRENT, other);
            settings.OnOK();
        });
    EXPECT_EQ(focusField, (int)CUstawieniaDlg::FocusCurrent);
    EXPECT_EQ(app.WorkingPath, other);
    EXPECT_EQ(shownFolder, other);
    EXPECT_EQ(names, (std::vector<CString>{"Nowe"}));
}

} // namespace
