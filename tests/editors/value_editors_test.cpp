#include <gtest/gtest.h>

#include "tests/support/dialog_driver.h"
#include "proceeding/editors/date_editor_dlg.h"
#include "proceeding/editors/price_editor_dlg.h"
#include "proceeding/editors/text_editor_dlg.h"
#include "res/editors_ids.h"

namespace {

// ---- Price editor ---------------------------------------------------------------------------

TEST(PriceEditor, OpensWithTheValueWithoutBlanksAndWithAPoint)
{
    CPriceEditorDlg dialog;
    dialog.m_strValue = "1 234,50";
    dialog.m_strCaption = "Cena brutto";
    DialogDriver driver;
    CString shown, caption;
    driver.Run(dialog, [&](CDialog &d) {
        d.GetDlgItemText(IDC_EDITOR_VALUE, shown);
        d.GetWindowText(caption);
    });
    EXPECT_EQ(shown, "1234.50");
    EXPECT_EQ(caption, "Cena brutto");
}

TEST(PriceEditor, AcceptsAmountsAndRefusesAnythingElseKeepingTheDialogOpen)
{
    // Leaving the edit for "Zapisz" groups the digits: the value comes back grouped.
    const struct {
        const char *typed;
        bool accepted;
        const char *value;
    } cases[] = {
        {"1 234,5", true, "1 234.5"}, {"1234.56", true, "1 234.56"}, {"0", true, "0"},
        {"1.2.3", false, "7"},        {"12a", false, "7"},           {"-5", false, "7"},
        {"1e3", false, "7"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        CPriceEditorDlg dialog;
        dialog.m_strValue = "7";
        DialogDriver driver;
        bool stayedOpen = false;
        const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
            d.SetDlgItemText(IDC_EDITOR_VALUE, c.typed);
            DialogDriver::LeaveEdit(d, IDC_EDITOR_VALUE);
            DialogDriver::Press(d, IDOK);
            stayedOpen = driver.messages.size() == 1;
        });
        if (c.accepted) {
            EXPECT_EQ(result, IDOK);
            EXPECT_EQ(dialog.m_strValue, c.value);
            EXPECT_TRUE(driver.messages.empty());
        } else {
            EXPECT_EQ(result, IDCANCEL);
            ASSERT_TRUE(stayedOpen);
            EXPECT_EQ(driver.messages[0].text, "Niepoprawnie wprowadzona wartość");
            EXPECT_EQ(driver.messages[0].caption, "Błąd");
            EXPECT_EQ(driver.messages[0].type & MB_ICONMASK, (UINT)MB_ICONERROR);
        }
    }
}

TEST(PriceEditor, LeavingTheEditGroupsTheDigitsOnce)
{
    CPriceEditorDlg dialog;
    DialogDriver driver;
    CString shown;
    driver.Run(dialog, [&](CDialog &d) {
        d.SetDlgItemText(IDC_EDITOR_VALUE, "1 234567,5");
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EDITOR_VALUE, EN_KILLFOCUS),
                      (LPARAM)d.GetDlgItem(IDC_EDITOR_VALUE)->m_hWnd);
        d.GetDlgItemText(IDC_EDITOR_VALUE, shown);
    });
    EXPECT_EQ(shown, "1 234 567.5");
    EXPECT_EQ(dialog.m_strValue, "1 234 567.5");
}

// ---- Date editor ----------------------------------------------------------------------------

SYSTEMTIME Picked(CDialog &d)
{
    SYSTEMTIME time{};
    d.SendDlgItemMessage(IDC_DATE_PICKER, DTM_GETSYSTEMTIME, 0, (LPARAM)&time);
    return time;
}

TEST(DateEditor, ShowsTheValueAndReturnsThePickedDay)
{
    CDateEditorDlg dialog;
    dialog.m_strValue = "2024-03-15";
    dialog.m_strVariableName = "Termin składania ofert";
    DialogDriver driver;
    SYSTEMTIME shown{};
    CString caption;
    const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
        shown = Picked(d);
        d.GetWindowText(caption);
        SYSTEMTIME next = shown;
        next.wDay = 29;
        next.wMonth = 2;
        d.SendDlgItemMessage(IDC_DATE_PICKER, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&next);
        DialogDriver::Press(d, IDOK);
    });
    EXPECT_EQ(shown.wYear, 2024);
    EXPECT_EQ(shown.wMonth, 3);
    EXPECT_EQ(shown.wDay, 15);
    EXPECT_EQ(caption, "Edytor - Termin składania ofert");
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_strValue, "2024-02-29");
}

TEST(DateEditor, AValueThatIsNoDayLeavesThePickerAtToday)
{
    for (const char *value : {"2024-3-15", "", "abcd-ef-gh"}) {
        SCOPED_TRACE(value);
        CDateEditorDlg dialog;
        dialog.m_strValue = value;
        DialogDriver driver;
        SYSTEMTIME shown{};
        driver.Run(dialog, [&](CDialog &d) { shown = Picked(d); });
        SYSTEMTIME today;
        GetLocalTime(&today);
        EXPECT_EQ(shown.wYear, today.wYear);
        EXPECT_EQ(shown.wDay, today.wDay);
    }
}

TEST(DateEditor, AcceptsYears1900To2100AndRefusesOthersKeepingTheDialogOpen)
{
    const struct {
        WORD year;
        bool accepted;
    } cases[] = {{1900, true}, {2100, true}, {1899, false}, {2101, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.year);
        CDateEditorDlg dialog;
        dialog.m_strValue = "2020-01-01";
        DialogDriver driver;
        const INT_PTR result = driver.Run(dialog, [&](CDialog &d) {
            SYSTEMTIME time{};
            time.wYear = c.year;
            time.wMonth = 1;
            time.wDay = 1;
            d.SendDlgItemMessage(IDC_DATE_PICKER, DTM_SETRANGE, 0, 0);
            d.SendDlgItemMessage(IDC_DATE_PICKER, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&time);
            DialogDriver::Press(d, IDOK);
        });
        if (c.accepted) {
            EXPECT_EQ(result, IDOK);
            CString year;
            year.Format("%d-01-01", c.year);
            EXPECT_EQ(dialog.m_strValue, year);
        } else {
            EXPECT_EQ(result, IDCANCEL);
            EXPECT_EQ(dialog.m_strValue, "2020-01-01");
            ASSERT_EQ(driver.messages.size(), 1u);
            EXPECT_EQ(driver.messages[0].text, "Błędny format daty");
            EXPECT_EQ(driver.messages[0].caption, "Błąd");
        }
    }
}

// ---- Text editor ----------------------------------------------------------------------------

TEST(TextEditor, OpeningValueHasEditorLineEndsAndNoTrailingFullStops)
{
    const struct {
        const char *stored;
        const char *shown;
    } cases[] = {
        {"abc...", "abc"}, {"...", ""}, {"a\rb", "a\r\nb"}, {"a\r\nb", "a\r\nb"}, {"a.b.", "a.b"}, {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PrepareTextEditorValue(c.stored), c.shown) << c.stored;
}

struct TextEditorRun {
    CString text; // the control's text, paragraphs ended by "\r"
    long caret = -1;
    INT_PTR result = 0;
};

TextEditorRun RunTextEditor(CTextEditorDlg &dialog, bool save)
{
    TextEditorRun run;
    DialogDriver driver;
    run.result = driver.Run(dialog, [&](CDialog &) {
        run.text = dialog.m_richEdit.GetTextEx();
        long end = 0;
        dialog.m_richEdit.GetSel(run.caret, end);
        if (save)
            DialogDriver::Press(dialog, IDOK);
    });
    return run;
}

TEST(TextEditor, TypedCharacterGoesInAtTheClickOrAtTheEnd)
{
    const struct {
        const char *value;
        int offset;
        const char *text;
        long caret;
    } cases[] = {
        {"abcd", 2, "abxcd", 3},
        {"abcd", 10, "abcdx", 5},
        {"ab\rcd", 4, "ab\rcxd", 5}, // a line end counts one character, as in the document
        {"abcd", 0, "xabcd", 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        CTextEditorDlg dialog;
        dialog.m_strValue = c.value;
        dialog.m_nKeyChar = 'x';
        dialog.m_nClickOffset = c.offset;
        const TextEditorRun run = RunTextEditor(dialog, false);
        EXPECT_EQ(run.text, c.text);
        EXPECT_EQ(run.caret, c.caret);
    }
}

TEST(TextEditor, SaveReturnsTheTextWithEditorLineEndsAndCancelKeepsTheValue)
{
    CTextEditorDlg saved;
    saved.m_strValue = "pierwszy\rdrugi...";
    const TextEditorRun run = RunTextEditor(saved, true);
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(saved.m_strValue, "pierwszy\r\ndrugi");
    EXPECT_EQ(saved.m_nLineCountDelta, 0);

    CTextEditorDlg cancelled;
    cancelled.m_strValue = "bez zmian...";
    cancelled.m_nKeyChar = 'x';
    EXPECT_EQ(RunTextEditor(cancelled, false).result, IDCANCEL);
    EXPECT_EQ(cancelled.m_strValue, "bez zmian...");
}

TEST(TextEditor, LineCountDeltaCountsTheLinesTheUserAdded)
{
    CTextEditorDlg dialog;
    dialog.m_strValue = "a\rb";
    DialogDriver driver;
    driver.Run(dialog, [&](CDialog &) {
        dialog.m_richEdit.SetSel(100, 100);
        dialog.m_richEdit.ReplaceSel("\rc\rd");
        DialogDriver::Press(dialog, IDOK);
    });
    EXPECT_EQ(dialog.m_strValue, "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(dialog.m_nLineCountDelta, 2);
}

TEST(TextEditor, CaptionAndButtonsFollowTheVariable)
{
    const struct {
        const char *name;
        int propagation;
        const char *dictionaryLabel;
        bool buttonsShown;
    } cases[] = {
        {"Nazwa zadania", -1, "Pobierz kod CPV", true},
        {"  Definicje UMÓW ", -1, "Pobierz definicję", true},
        {"Zakres usług świadczonych przez wykonawcę", -1, "Przykład zakresu umowy", true},
        {"Nazwa zadania", 0, "Pobierz kod CPV", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CTextEditorDlg dialog;
        dialog.m_strVariableName = c.name;
        dialog.m_nPropagationIndex = c.propagation;
        DialogDriver driver;
        CString caption, label;
        bool propagationShown = false, helpShown = false, dictionaryShown = false;
        driver.Run(dialog, [&](CDialog &d) {
            d.GetWindowText(caption);
            d.GetDlgItemText(IDC_EDITOR_DICTIONARY, label);
            propagationShown = DialogDriver::IsShown(d, IDC_TEXT_EDITOR_PROPAGATE);
            helpShown = DialogDriver::IsShown(d, IDC_TEXT_EDITOR_LEGAL_HELP);
            dictionaryShown = DialogDriver::IsShown(d, IDC_EDITOR_DICTIONARY);
        });
        EXPECT_EQ(caption, CString("Edytor - ") + c.name);
        EXPECT_EQ(label, c.dictionaryLabel);
        EXPECT_EQ(propagationShown, !c.buttonsShown);
        EXPECT_EQ(helpShown, c.buttonsShown);
        EXPECT_EQ(dictionaryShown, c.buttonsShown);
    }
}

// "Pomoc prawna" opens the legal help program on the topic of the specification's heading, and
// only when there is a topic and the program is installed.
TEST(TextEditor, LegalHelpButtonStartsTheProgramOnTheTopic)
{
    const struct {
        int topic;
        const char *program;
        bool enabled;
        const char *command;
    } cases[] = {
        {7, "C:\\Program Files\\DRAVO\\Quv\\Quv.exe", true, "\"C:\\Program Files\\DRAVO\\Quv\\Quv.exe\" 7"},
        {0, "C:\\Quv.exe", true, "\"C:\\Quv.exe\" 0"},
        {-1, "C:\\Quv.exe", false, ""},
        {7, "", false, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.topic);
        CTextEditorDlg dialog;
        dialog.m_nLegalTopic = c.topic;
        dialog.m_strLegalHelpProgram = c.program;
        DialogDriver driver;
        bool enabled = false;
        driver.Run(dialog,
                   [&](CDialog &d) { enabled = d.GetDlgItem(IDC_TEXT_EDITOR_LEGAL_HELP)->IsWindowEnabled() != FALSE; });
        EXPECT_EQ(c.enabled, enabled);
        EXPECT_EQ(CString(c.command), dialog.LegalHelpCommand());
    }
}

TEST(TextEditor, VariableNameTestsIgnoreCaseAndOuterBlanksOnly)
{
    EXPECT_TRUE(CTextEditorDlg::IsCpvVariable(" Kod CPV  "));
    EXPECT_TRUE(CTextEditorDlg::IsCpvVariable("Kod ze Wspólnego Słownika Zamówień"));
    EXPECT_FALSE(CTextEditorDlg::IsCpvVariable("kod  cpv"));
    EXPECT_TRUE(CTextEditorDlg::IsContractDefinitionVariable("DEFINICJE UMOWY"));
    EXPECT_FALSE(CTextEditorDlg::IsContractDefinitionVariable("definicje"));
    EXPECT_FALSE(CTextEditorDlg::IsContractScopeVariable("zakres usług"));
}

TEST(TextEditor, WindowWidthResizesAndLaysTheButtonsOutAlongTheBottom)
{
    CTextEditorDlg dialog;
    dialog.m_nWindowWidth = 580;
    DialogDriver driver;
    CRect window, client, save, cancel;
    driver.Run(dialog, [&](CDialog &d) {
        d.GetWindowRect(&window);
        d.GetClientRect(&client);
        d.GetDlgItem(IDOK)->GetWindowRect(&save);
        d.GetDlgItem(IDCANCEL)->GetWindowRect(&cancel);
        d.ScreenToClient(&save);
        d.ScreenToClient(&cancel);
    });
    EXPECT_EQ(window.Width(), 580);
    EXPECT_EQ(save.left, client.Width() - 160);
    EXPECT_EQ(cancel.left, client.Width() - 80);
    EXPECT_EQ(save.top, client.Height() - 25);
}

} // namespace
