// Every dialog of the assembled program, made from its template at the program's font: each
// label, button, check box and radio button shows its whole text.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/support/program_windows.h"

using namespace program_windows;

namespace {

// Room a push button's frame takes from its text, and a check box's or radio button's mark.
const int kPushButtonFrame = 6;
const int kCheckMark = 16;

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

// The window classes of the program's own controls, so that their dialogs can be made here.
void RegisterStandInClasses()
{
    for (const wchar_t *name : {L"CMultilineList", L"MorvGridCtrl"}) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = name;
        RegisterClassW(&windowClass);
    }
    LoadLibraryW(L"msftedit.dll");
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
}

// The shown text: "&&" is one ampersand, a single "&" only underlines.
std::wstring ShownText(const std::wstring &text)
{
    std::wstring shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

// How the control lays out its text: room for it on one line, or wrapped into its height.
struct TextLayout {
    bool checked = false;
    bool wraps = false;
    int reserved = 0; // width the control keeps for itself
};

TextLayout LayoutOf(HWND control)
{
    TextLayout layout;
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const std::wstring className = ClassOf(control);
    if (className == L"Static") {
        const LONG type = style & SS_TYPEMASK;
        layout.checked =
            type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE;
        layout.checked = layout.checked && !(style & (SS_ENDELLIPSIS | SS_PATHELLIPSIS | SS_WORDELLIPSIS));
        layout.wraps = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
    } else if (className == L"Button") {
        const LONG type = style & BS_TYPEMASK;
        const bool push = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
        const bool mark = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON
                          || type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
        layout.checked = push || mark;
        layout.wraps = (style & BS_MULTILINE) != 0;
        layout.reserved = push ? kPushButtonFrame : kCheckMark;
    }
    return layout;
}

// "dialog/control 'text'" for each control whose text does not fit it; measured counts the
// controls looked at.
void CollectClipped(HWND dialog, int dialogId, std::vector<std::string> &clipped, int &measured)
{
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        const TextLayout layout = LayoutOf(control);
        wchar_t text[1024] = L"";
        GetWindowTextW(control, text, 1024);
        const std::wstring shown = ShownText(text);
        if (!layout.checked || shown.empty())
            continue;
        ++measured;
        RECT client{};
        GetClientRect(control, &client);
        const int width = client.right - layout.reserved;
        HDC dc = GetDC(control);
        HGDIOBJ old = SelectObject(dc, (HFONT)SendMessageW(control, WM_GETFONT, 0, 0));
        RECT needed{0, 0, width, 0};
        DrawTextW(dc, shown.c_str(), (int)shown.size(), &needed,
                  DT_CALCRECT | DT_NOPREFIX | (layout.wraps ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE));
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        if (needed.right > width || needed.bottom > client.bottom) {
            char line[1400];
            snprintf(line, sizeof line, "%d/%d '%ls' needs %ldx%ld, has %dx%ld", dialogId, GetDlgCtrlID(control),
                     shown.c_str(), needed.right, needed.bottom, width, client.bottom);
            clipped.push_back(line);
        }
    }
}

TEST(DialogTexts, EveryLabelAndButtonOfEveryDialogShowsItsWholeText)
{
    const std::filesystem::path program = InstallationFolder() / "morvelank.exe";
    ASSERT_TRUE(std::filesystem::exists(program)) << program;
    HMODULE module = LoadLibraryExW(program.wstring().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    RegisterStandInClasses();

    std::vector<int> dialogs;
    EnumResourceNamesW(
        module, (LPCWSTR)RT_DIALOG,
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) -> BOOL {
            if (IS_INTRESOURCE(name))
                reinterpret_cast<std::vector<int> *>(found)->push_back((int)(ULONG_PTR)name);
            return TRUE;
        },
        (LONG_PTR)&dialogs);
    ASSERT_GT(dialogs.size(), 50u);

    // Pages and panels are child dialogs: they are made in a window of their own.
    HWND owner = CreateWindowExW(0, L"Static", L"", WS_OVERLAPPEDWINDOW, 0, 0, 1000, 800, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    std::vector<std::string> clipped;
    std::vector<int> unmade;
    int measured = 0;
    for (int id : dialogs) {
        HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), (LPCWSTR)RT_DIALOG);
        auto *dialogTemplate = (LPCDLGTEMPLATEW)LockResource(LoadResource(module, resource));
        HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate, owner, PlainDialogProc, 0);
        if (!dialog) {
            unmade.push_back(id);
            continue;
        }
        CollectClipped(dialog, id, clipped, measured);
        DestroyWindow(dialog);
    }
    DestroyWindow(owner);
    FreeLibrary(module);

    EXPECT_GT(measured, 300);
    EXPECT_TRUE(unmade.empty()) << "dialogs not made: " << ::testing::PrintToString(unmade);
    std::string all;
    for (const std::string &line : clipped)
        all += line + "\n";
    EXPECT_TRUE(clipped.empty()) << all;
}

} // namespace
