// Every dialog of the assembled program, made from its template at the program's font: each
// label, button, check box and radio button shows its whole text. Texts the program sets while
// it runs are measured the same way by the suites that open those windows.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/support/clipped_texts.h"
#include "tests/support/program_windows.h"

using namespace program_windows;
using clipped_texts::CollectClipped;

namespace {

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
