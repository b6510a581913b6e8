// Dialogs from templates driven through the test hook: data exchange, validation, nesting.
#include "test_resource.h"
#include "ui_test_support.h"

#include <gtest/gtest.h>

#include "tests/support/clipped_texts.h"

#include <vector>

namespace {

class ExchangeDialog : public CDialog {
public:
    ExchangeDialog() : CDialog(IDD_EXCHANGE) {}
    CString name = "Zażółć";
    int count = 5;
    UINT unsignedCount = 7;
    long longValue = -123456;
    double price = 12.5;
    int check = 1;
    int radio = 1;
    int comboIndex = 2;
    CString comboText = "Łódź";
    CString listText = "gamma";
    int listIndex = 1;
    CTime date = CTime(2024, 3, 15, 0, 0, 0);
    CListBox listControl;

    BOOL OnInitDialog() override
    {
        for (const char *item : {"zero", "jeden", "dwa"}) {
            SendDlgItemMessage(IDC_COMBO_INDEX, CB_ADDSTRING, 0, (LPARAM)Cp1250ToWide(item).c_str());
            SendDlgItemMessage(IDC_LIST_INDEX, LB_ADDSTRING, 0, (LPARAM)Cp1250ToWide(item).c_str());
        }
        for (const char *item : {"alfa", "beta", "gamma"})
            SendDlgItemMessage(IDC_LIST_TEXT, LB_ADDSTRING, 0, (LPARAM)Cp1250ToWide(item).c_str());
        SendDlgItemMessage(IDC_COMBO_TEXT, CB_ADDSTRING, 0, (LPARAM)L"Kraków");
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange *pDX) override
    {
        DDX_Text(pDX, IDC_NAME, name);
        DDV_MaxChars(pDX, name, 10);
        DDX_Text(pDX, IDC_COUNT, count);
        DDV_MinMaxInt(pDX, count, 1, 99);
        DDX_Text(pDX, IDC_UCOUNT, unsignedCount);
        DDX_Text(pDX, IDC_LONG, longValue);
        DDX_Text(pDX, IDC_PRICE, price);
        DDV_MinMaxDouble(pDX, price, 0.0, 1000.0);
        DDX_Check(pDX, IDC_CHECK, check);
        DDX_Radio(pDX, IDC_RADIO1, radio);
        DDX_CBIndex(pDX, IDC_COMBO_INDEX, comboIndex);
        DDX_CBString(pDX, IDC_COMBO_TEXT, comboText);
        DDX_LBString(pDX, IDC_LIST_TEXT, listText);
        DDX_Control(pDX, IDC_LIST_INDEX, listControl);
        DDX_LBIndex(pDX, IDC_LIST_INDEX, listIndex);
        DDX_DateTimeCtrl(pDX, IDC_DATE, date);
    }
};

CString ItemText(CWnd &dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

TEST(DialogExchange, MembersReachTheControlsAndComeBackChanged)
{
    ExchangeDialog dialog;
    std::vector<CString> shown;
    CTestHook hook;
    hook.onDialog = [&](CDialog &d) {
        for (int id : {IDC_NAME, IDC_COUNT, IDC_UCOUNT, IDC_LONG, IDC_PRICE})
            shown.push_back(ItemText(d, id));
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_CHECK), 1u);
        EXPECT_EQ(d.GetCheckedRadioButton(IDC_RADIO1, IDC_RADIO3), IDC_RADIO2);
        EXPECT_EQ(d.SendDlgItemMessage(IDC_COMBO_INDEX, CB_GETCURSEL), 2);
        EXPECT_EQ(d.SendDlgItemMessage(IDC_LIST_TEXT, LB_GETCURSEL), 2);
        EXPECT_EQ(dialog.listControl.GetCurSel(), 1); // DDX_Control bound the list box
        SYSTEMTIME time{};
        d.SendDlgItemMessage(IDC_DATE, DTM_GETSYSTEMTIME, 0, (LPARAM)&time);
        EXPECT_EQ(time.wYear * 10000 + time.wMonth * 100 + time.wDay, 20240315);

        d.SetDlgItemText(IDC_NAME, "Gęś");
        d.SetDlgItemText(IDC_COUNT, " 42 ");
        d.SetDlgItemText(IDC_UCOUNT, "4000000000");
        d.SetDlgItemText(IDC_LONG, "-7");
        d.SetDlgItemText(IDC_PRICE, "999.25");
        d.CheckDlgButton(IDC_CHECK, BST_INDETERMINATE);
        d.CheckRadioButton(IDC_RADIO1, IDC_RADIO3, IDC_RADIO3);
        d.SendDlgItemMessage(IDC_COMBO_INDEX, CB_SETCURSEL, 0);
        d.SetDlgItemText(IDC_COMBO_TEXT, "Świnoujście");
        d.SendDlgItemMessage(IDC_LIST_TEXT, LB_SETCURSEL, 0);
        d.SendDlgItemMessage(IDC_LIST_INDEX, LB_SETCURSEL, 2);
        time.wDay = 20;
        d.SendDlgItemMessage(IDC_DATE, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&time);
        d.SendMessage(WM_COMMAND, IDOK);
    };
    CTestHookScope scope(hook);
    ASSERT_EQ(dialog.DoModal(), IDOK);

    EXPECT_EQ(shown, (std::vector<CString>{"Zażółć", "5", "7", "-123456", "12.5"}));
    EXPECT_STREQ(dialog.name, "Gęś");
    EXPECT_EQ(dialog.count, 42);
    EXPECT_EQ(dialog.unsignedCount, 4000000000u);
    EXPECT_EQ(dialog.longValue, -7);
    EXPECT_DOUBLE_EQ(dialog.price, 999.25);
    EXPECT_EQ(dialog.check, 2);
    EXPECT_EQ(dialog.radio, 2);
    EXPECT_EQ(dialog.comboIndex, 0);
    EXPECT_STREQ(dialog.comboText, "Świnoujście");
    EXPECT_STREQ(dialog.listText, "alfa");
    EXPECT_EQ(dialog.listIndex, 2);
    EXPECT_EQ(dialog.date.GetDay(), 20);
    EXPECT_EQ(dialog.m_hWnd, nullptr); // destroyed after the modal run
}

class OleDateDialog : public CDialog {
public:
    OleDateDialog() : CDialog(IDD_EXCHANGE) {}
    COleDateTime date{2025, 12, 31, 0, 0, 0};
    void DoDataExchange(CDataExchange *pDX) override { DDX_DateTimeCtrl(pDX, IDC_DATE, date); }
};

TEST(DialogExchange, OleDateGoesToThePickerAndBack)
{
    OleDateDialog dialog;
    CTestHook hook;
    hook.onDialog = [&](CDialog &d) {
        SYSTEMTIME time{};
        d.SendDlgItemMessage(IDC_DATE, DTM_GETSYSTEMTIME, 0, (LPARAM)&time);
        EXPECT_EQ(time.wYear * 10000 + time.wMonth * 100 + time.wDay, 20251231);
        time.wYear = 2026;
        time.wMonth = 1;
        time.wDay = 2;
        d.SendDlgItemMessage(IDC_DATE, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&time);
        d.SendMessage(WM_COMMAND, IDOK);
    };
    CTestHookScope scope(hook);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.date.GetYear() * 10000 + dialog.date.GetMonth() * 100 + dialog.date.GetDay(), 20260102);
}

TEST(DialogExchange, RefusedInputKeepsTheDialogOpenWithFocusOnTheField)
{
    struct Case {
        int control;
        const char *text;
        const char *message;
    } cases[] = {
        {IDC_NAME, "Bardzo długa nazwa", "Wprowadź nie więcej niż 10 znaków."},
        {IDC_COUNT, "12abc", "Wprowadź liczbę całkowitą."},
        {IDC_COUNT, "100", "Wprowadź liczbę całkowitą z zakresu od 1 do 99."},
        {IDC_UCOUNT, "-1", "Wprowadź liczbę całkowitą nieujemną."},
        {IDC_LONG, "99999999999999999999", "Wprowadź liczbę całkowitą."},
        {IDC_PRICE, "12,5", "Wprowadź liczbę."},
        {IDC_PRICE, "1000.5", "Wprowadź liczbę z zakresu od 0 do 1000."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        ExchangeDialog dialog;
        std::vector<CString> messages;
        CTestHook hook;
        hook.onMessageBox = [&](const CString &text, const CString &, UINT type) {
            messages.push_back(text);
            EXPECT_EQ(type & MB_ICONMASK, (UINT)MB_ICONEXCLAMATION);
            return IDOK;
        };
        hook.onDialog = [&](CDialog &d) {
            d.SetDlgItemText(c.control, c.text);
            d.SendMessage(WM_COMMAND, IDOK);
            EXPECT_TRUE(d.IsWindow());
            EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.m_hWnd, c.control));
            d.SendMessage(WM_COMMAND, IDCANCEL);
        };
        CTestHookScope scope(hook);
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(messages, (std::vector<CString>{c.message}));
    }
}

TEST(DialogHook, DialogTheHookLeavesOpenEndsCancelled)
{
    ExchangeDialog dialog;
    CTestHook hook; // no onDialog at all
    CTestHookScope scope(hook);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(DialogHook, MissingTemplateFailsWithoutHanging)
{
    CDialog dialog(9999);
    CTestHook hook;
    CTestHookScope scope(hook);
    EXPECT_EQ(dialog.DoModal(), -1);
}

// ---- Dialogs inside dialogs ------------------------------------------------------------------

class PlacedChild : public CDialog {
public:
    // Creates the child from its template over the placeholder control of the parent.
    BOOL CreateOver(UINT templateId, CDialog &parent, int placeholder)
    {
        if (!Create(templateId, &parent))
            return FALSE;
        RECT area{};
        CWnd *place = parent.GetDlgItem(placeholder);
        place->GetWindowRect(&area);
        parent.ScreenToClient(&area);
        SetWindowPos(place, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        return TRUE;
    }
};

class GrandChild : public PlacedChild {};

class Child : public PlacedChild {
public:
    GrandChild grandChild;
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        return grandChild.CreateOver(IDD_GRANDCHILD, *this, IDC_GRANDCHILD_PLACE);
    }
};

class HostDialog : public CDialog {
public:
    HostDialog() : CDialog(IDD_HOST) {}
    Child child;
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        return child.CreateOver(IDD_CHILD, *this, IDC_CHILD_PLACE);
    }
};

TEST(NestedDialogs, TabOrderRunsThroughChildAndGrandChild)
{
    HostDialog host;
    std::vector<int> nextOrder;
    std::vector<int> tabOrder;
    CTestHook hook;
    hook.onDialog = [&](CDialog &d) {
        EXPECT_TRUE(host.child.GetExStyle() & WS_EX_CONTROLPARENT);
        for (int step = 0; step < 4; ++step) {
            if (step == 0) {
                d.GetDlgItem(IDC_FIRST)->SetFocus();
            } else {
                host.NextDlgCtrl();
            }
            nextOrder.push_back(::GetDlgCtrlID(::GetFocus()));
        }
        // The Tab key through the layer's pre-translation: the outer dialog navigates.
        d.GetDlgItem(IDC_FIRST)->SetFocus();
        for (int step = 0; step < 3; ++step) {
            MSG msg{::GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
            EXPECT_TRUE(CWnd::WalkPreTranslateTree(d.m_hWnd, &msg));
            tabOrder.push_back(::GetDlgCtrlID(::GetFocus()));
        }
        d.SendMessage(WM_COMMAND, IDOK);
    };
    CTestHookScope scope(hook);
    ASSERT_EQ(host.DoModal(), IDOK);
    std::vector<int> expected{IDC_FIRST, IDC_CHILD_EDIT, IDC_GRANDCHILD_EDIT, IDC_LAST};
    EXPECT_EQ(nextOrder, expected);
    EXPECT_EQ(tabOrder, std::vector<int>(expected.begin() + 1, expected.end()));
    EXPECT_EQ(host.child.m_hWnd, nullptr); // destroyed with the host
}

// ---- Message boxes ---------------------------------------------------------------------------

TEST(MessageBoxHook, HookGetsTextCaptionAndStyleAndAnswers)
{
    CString text;
    CString caption;
    UINT type = 0;
    CTestHook hook;
    hook.onMessageBox = [&](const CString &t, const CString &c, UINT ty) {
        text = t;
        caption = c;
        type = ty;
        return IDNO;
    };
    CTestHookScope scope(hook);
    EXPECT_EQ(AfxMessageBox(IDS_SAVE_PROMPT, MB_YESNO), IDNO);
    EXPECT_STREQ(text, "Czy zapisać zmiany w pliku?");
    EXPECT_STREQ(caption, "framework_ui_tests"); // no application object: the program's name
    EXPECT_EQ(type, (UINT)(MB_YESNO | MB_ICONQUESTION));

    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(window.MessageBox("Błąd zapisu", "Błąd", MB_OK | MB_ICONERROR), IDNO);
    EXPECT_STREQ(caption, "Błąd");
}

// What a shown message box cuts off of its text, measured once it is up; then it is closed.
std::string g_clipped;
bool g_measured = false;

void CALLBACK MeasureShownBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            if (clipped_texts::ClassName(window) != L"#32770" || !IsWindowVisible(window))
                return TRUE;
            *reinterpret_cast<HWND *>(found) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&box));
    if (!box)
        return;
    KillTimer(nullptr, timer);
    g_clipped = clipped_texts::ClippedTexts(box);
    g_measured = true;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
}

// Wine sizes a box's text to what its font measures but draws some letters wider: the box
// makes room for them, so no last letter is lost.
TEST(SystemMessageBox, ShowsItsWholeText)
{
    for (const wchar_t *text : {L"Niepoprawnie wprowadzona warto\u015b\u0107", L"Usun\u0105\u0107 zaznaczony wpis z ewidencji?",
                                L"Przetarg \u0142\u0105czy \u017c\u00f3\u0142te \u015bwiat\u0142a \u0144 \u0107 \u015b \u017a"}) {
        g_measured = false;
        g_clipped.clear();
        SetTimer(nullptr, 0, 200, MeasureShownBox);
        ShowSystemMessageBox(nullptr, text, L"B\u0142\u0105d", MB_YESNO | MB_ICONQUESTION);
        EXPECT_TRUE(g_measured) << "no box was shown";
        EXPECT_EQ(g_clipped, "");
    }
}

TEST(MessageBoxHook, WithoutAnAnswerTheDefaultButtonIsTaken)
{
    CTestHook hook;
    CTestHookScope scope(hook);
    struct Case {
        UINT type;
        int answer;
    } cases[] = {{MB_OK, IDOK},
                 {MB_YESNO, IDYES},
                 {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
                 {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
                 {MB_RETRYCANCEL, IDRETRY}};
    for (const Case &c : cases)
        EXPECT_EQ(AfxMessageBox("?", c.type), c.answer) << c.type;
}

TEST(CommonDialogHook, FileDialogTakesTheHooksFileAndCancelChangesNothing)
{
    CFileDialog save(FALSE, "rtf", "*.rtf", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                     "Tekst sformatowany (*.rtf)|*.rtf||");
    CTestHook hook;
    hook.onCommonDialog = [](CCommonDialog &dialog) {
        auto &file = static_cast<CFileDialog &>(dialog);
        lstrcpynA(file.m_ofn.lpstrFile, "C:\\Przetargi\\Umowa źródłowa.rtf", file.m_ofn.nMaxFile);
        return (INT_PTR)IDOK;
    };
    {
        CTestHookScope scope(hook);
        ASSERT_EQ(save.DoModal(), IDOK);
    }
    EXPECT_STREQ(save.GetPathName(), "C:\\Przetargi\\Umowa źródłowa.rtf");
    EXPECT_STREQ(save.GetFileName(), "Umowa źródłowa.rtf");
    EXPECT_STREQ(save.GetFileTitle(), "Umowa źródłowa");
    EXPECT_STREQ(save.GetFileExt(), "rtf");
    EXPECT_STREQ(save.GetFolderPath(), "C:\\Przetargi");

    CColorDialog colour(RGB(1, 2, 3));
    CTestHook cancelling; // no answer: Cancel
    CTestHookScope scope(cancelling);
    EXPECT_EQ(colour.DoModal(), IDCANCEL);
    EXPECT_EQ(colour.GetColor(), RGB(1, 2, 3));
}

// ---- Polish text through Win32 ---------------------------------------------------------------

TEST(PolishText, RoundTripsThroughWindowTextAsRealUnicode)
{
    const char *polish = "Zażółć gęślą jaźń ŻÓŁĆ";
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, polish, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(WideWindowText(window.m_hWnd), L"Zażółć gęślą jaźń ŻÓŁĆ");
    CString back;
    window.GetWindowText(back);
    EXPECT_STREQ(back, polish);
    char shortBuffer[6];
    EXPECT_EQ(window.GetWindowText(shortBuffer, sizeof shortBuffer), 5);
    EXPECT_STREQ(shortBuffer, "Zażół");
}

TEST(PolishText, RoundTripsThroughTheRichEdit)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "rodzic", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
    CRichEditCtrl edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE, RECT{0, 0, 400, 300}, &parent, 1));

    edit.SetTextEx("Wartość zamówienia: źdźbło");
    EXPECT_STREQ(edit.GetTextEx(), "Wartość zamówienia: źdźbło");
    edit.SetSel(0, 7);
    EXPECT_STREQ(edit.GetSelText(), "Wartość");
    edit.ReplaceSel("Kwota");
    EXPECT_STREQ(edit.GetTextEx(), "Kwota zamówienia: źdźbło");
    long start = 0;
    long end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, 5);
    EXPECT_EQ(edit.FindText(FR_DOWN, 0, -1, "źdźbło"), 18);

    // RTF with the Polish letters escaped streams in and comes back the same text.
    edit.StreamInText(SF_RTF, "{\\rtf1\\ansi\\ansicpg1250 {\\b Ga\\'b3\\'b9\\'9f}\\par}");
    EXPECT_STREQ(edit.GetTextEx(), "Gałąź");
    CString rtf = edit.StreamOutText(SF_RTF);
    EXPECT_EQ(rtf.Find("{\\rtf"), 0);
    edit.StreamInText(SF_RTF, rtf);
    EXPECT_STREQ(edit.GetTextEx(), "Gałąź");

    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    edit.SetSel(0, 1);
    EXPECT_TRUE(edit.GetSelectionCharFormat(format) & CFM_BOLD);
    EXPECT_TRUE(format.dwEffects & CFE_BOLD);
}

} // namespace
