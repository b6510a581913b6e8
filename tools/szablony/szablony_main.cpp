// szablony: the template editor that the proceeding window starts on the template set of the
// open proceeding ("szablony.exe <code> <act flag> <set folder> <short name>"). The user picks
// a template, edits it with its tags as they stand and saves it; the save goes to the private
// templates folder "szablony_moje", never over the installation's set, and a template with a
// broken tag is refused with the tag named. A save changes only the template's text: its RTF
// stays as it was everywhere else (page set-up, indents, fonts).

#include "framework/core/codepage.h"
#include "tools/common/whole_file.h"
#include "tools/szablony/rtf_text.h"
#include "tools/szablony/template_store.h"
#include "tools/szablony/template_tags.h"
#include "tools/common/narrow_text.h"

#include <windows.h>
#include <richedit.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

const wchar_t kCaption[] = L"Edytor szablon\u00f3w";
const int kListId = 101;
const int kEditId = 102;
const int kSaveId = 103;
const int kCloseId = 104;
const int kStatusId = 105;
const int kListWidth = 260;
const int kButtonWidth = 100;
const int kButtonHeight = 26;
const int kGap = 6;

struct Editor {
    TemplateSet set;
    std::vector<std::wstring> templates;
    int shown = -1;
    std::string shownRtf; // the shown template's file as read or last saved
    RtfText shownText;    // its text as the control showed it, with each character's place
    bool readable = false; // the control showed exactly that text, so edits can go back into it
    bool lastParagraph = false; // the file's last paragraph mark, which the control does not show
    HWND window = nullptr, list = nullptr, edit = nullptr, save = nullptr, close = nullptr, status = nullptr;
};

Editor g_editor;

std::wstring Wide(const std::string &cp1250)
{
    return Cp1250ToWide(cp1250.c_str(), static_cast<int>(cp1250.size()));
}

struct StreamCursor {
    std::string *bytes;
    size_t offset;
};

DWORD CALLBACK StreamIn(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG *given)
{
    auto *cursor = reinterpret_cast<StreamCursor *>(cookie);
    const size_t left = cursor->bytes->size() - cursor->offset;
    const size_t count = left < static_cast<size_t>(wanted) ? left : static_cast<size_t>(wanted);
    memcpy(buffer, cursor->bytes->data() + cursor->offset, count);
    cursor->offset += count;
    *given = static_cast<LONG>(count);
    return 0;
}

void SetStatus(const std::wstring &text)
{
    SetWindowTextW(g_editor.status, text.c_str());
}

// The control's text with '\r' ending each paragraph, as the RTF's text reads.
std::wstring ControlText()
{
    GETTEXTLENGTHEX lengthInfo{GTL_NUMCHARS | GTL_USECRLF, 1200};
    const LRESULT length = SendMessageW(g_editor.edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthInfo), 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GETTEXTEX request{static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
    const LRESULT copied =
        SendMessageW(g_editor.edit, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(copied));
    return text;
}

// The RTF of the shown template with the control's text in it; false when the template's RTF
// holds what the editor cannot write back without changing it.
bool RtfWithEdits(std::string &rtf)
{
    if (!g_editor.readable)
        return false;
    const std::wstring text = ControlText() + (g_editor.lastParagraph ? L"\r" : L"");
    rtf = ReplaceRtfText(g_editor.shownRtf, g_editor.shownText, text);
    return ReadRtfText(rtf).text == text;
}

bool IsModified()
{
    return g_editor.shown >= 0 && SendMessageW(g_editor.edit, EM_GETMODIFY, 0, 0) != 0;
}

// The shown template saved to the private folder, unless a tag of it is broken.
bool SaveShown()
{
    if (g_editor.shown < 0)
        return true;
    const std::string broken = FindBrokenTag(Cp1250(ControlText()));
    if (!broken.empty()) {
        const std::wstring message = L"Szablon nie zosta\u0142 zapisany: znacznik \u201e" + Wide(broken)
                                     + L"\u201d jest niepe\u0142ny albo nie ma pary.\nZnacznik ma posta\u0107 "
                                       L"<!NNN>opis</NNN> z tym samym trzycyfrowym numerem.";
        MessageBoxW(g_editor.window, message.c_str(), kCaption, MB_OK | MB_ICONERROR);
        return false;
    }
    const std::wstring &relative = g_editor.templates[static_cast<size_t>(g_editor.shown)];
    std::string rtf;
    if (!RtfWithEdits(rtf)) {
        MessageBoxW(g_editor.window,
                    (L"Szablonu nie zapisano: jego plik RTF zawiera elementy, kt\u00f3rych edytor nie potrafi "
                     L"zapisa\u0107 bez zmiany formatowania.\n"
                     + g_editor.set.ReadPath(relative))
                        .c_str(),
                    kCaption, MB_OK | MB_ICONERROR);
        return false;
    }
    const std::wstring target = g_editor.set.WritePath(relative);
    if (!SaveTemplate(target, rtf)) {
        MessageBoxW(g_editor.window, (L"Nie mo\u017cna zapisa\u0107 szablonu:\n" + target).c_str(), kCaption,
                    MB_OK | MB_ICONERROR);
        return false;
    }
    g_editor.shownRtf = rtf;
    g_editor.shownText = ReadRtfText(rtf);
    SendMessageW(g_editor.edit, EM_SETMODIFY, FALSE, 0);
    SetStatus(L"Zapisano w szablonach u\u017cytkownika: " + target.substr(g_editor.set.mainPath.size() + 1));
    return true;
}

// Before the shown template goes: saved, dropped or kept on the user's word.
bool MayLeaveShown()
{
    if (!IsModified())
        return true;
    const int answer =
        MessageBoxW(g_editor.window, L"Zapisa\u0107 zmiany w szablonie?", kCaption, MB_YESNOCANCEL | MB_ICONQUESTION);
    return answer == IDNO || (answer == IDYES && SaveShown());
}

void Show(int index)
{
    std::string rtf;
    const std::wstring path = g_editor.set.ReadPath(g_editor.templates[static_cast<size_t>(index)]);
    if (!ReadWholeFile(path, rtf) || rtf.compare(0, 5, "{\\rtf") != 0) {
        MessageBoxW(g_editor.window, (L"Plik nie jest szablonem RTF:\n" + path).c_str(), kCaption,
                    MB_OK | MB_ICONERROR);
        SendMessageW(g_editor.list, LB_SETCURSEL, static_cast<WPARAM>(g_editor.shown), 0);
        return;
    }
    StreamCursor cursor{&rtf, 0};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&cursor), 0, StreamIn};
    SendMessageW(g_editor.edit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    SendMessageW(g_editor.edit, EM_SETMODIFY, FALSE, 0);
    g_editor.shownRtf = rtf;
    g_editor.shownText = ReadRtfText(rtf);
    const std::wstring shown = ControlText();
    g_editor.lastParagraph = g_editor.shownText.text == shown + L"\r";
    g_editor.readable = g_editor.lastParagraph || g_editor.shownText.text == shown;
    g_editor.shown = index;
    EnableWindow(g_editor.save, TRUE);
    SetStatus(path);
}

void Layout(int width, int height)
{
    const int bottom = height - kButtonHeight - kGap;
    MoveWindow(g_editor.list, kGap, kGap, kListWidth, bottom - 2 * kGap, TRUE);
    MoveWindow(g_editor.edit, kListWidth + 2 * kGap, kGap, width - kListWidth - 3 * kGap, bottom - 2 * kGap, TRUE);
    MoveWindow(g_editor.save, width - 2 * (kButtonWidth + kGap), bottom, kButtonWidth, kButtonHeight, TRUE);
    MoveWindow(g_editor.close, width - kButtonWidth - kGap, bottom, kButtonWidth, kButtonHeight, TRUE);
    MoveWindow(g_editor.status, kGap, bottom + 5, width - 2 * (kButtonWidth + kGap) - 2 * kGap, kButtonHeight, TRUE);
}

HWND Child(HWND parent, const wchar_t *className, const wchar_t *text, DWORD style, int id)
{
    HWND child = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    return child;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        g_editor.window = window;
        g_editor.list = Child(window, L"LISTBOX", L"", WS_BORDER | WS_VSCROLL | LBS_NOTIFY, kListId);
        g_editor.edit = Child(window, L"RICHEDIT50W", L"",
                              WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, kEditId);
        g_editor.save = Child(window, L"BUTTON", L"Zapisz", BS_PUSHBUTTON | WS_DISABLED, kSaveId);
        g_editor.close = Child(window, L"BUTTON", L"Zamknij", BS_PUSHBUTTON, kCloseId);
        g_editor.status = Child(window, L"STATIC", L"", SS_LEFTNOWORDWRAP | SS_PATHELLIPSIS, kStatusId);
        SendMessageW(g_editor.edit, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
        for (const std::wstring &name : g_editor.templates)
            SendMessageW(g_editor.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        SetStatus(g_editor.templates.empty() ? L"Zestaw nie zawiera szablon\u00f3w RTF."
                                             : L"Prosz\u0119 wybra\u0107 szablon z listy.");
        return 0;
    case WM_SIZE:
        Layout(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_SELCHANGE) {
            const int index = static_cast<int>(SendMessageW(g_editor.list, LB_GETCURSEL, 0, 0));
            if (index == g_editor.shown || index < 0)
                return 0;
            if (MayLeaveShown())
                Show(index);
            else
                SendMessageW(g_editor.list, LB_SETCURSEL, static_cast<WPARAM>(g_editor.shown), 0);
        } else if (LOWORD(wParam) == kSaveId) {
            SaveShown();
        } else if (LOWORD(wParam) == kCloseId) {
            PostMessageW(window, WM_CLOSE, 0, 0);
        }
        return 0;
    case WM_CLOSE:
        if (MayLeaveShown())
            DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::wstring OwnFolder()
{
    wchar_t path[MAX_PATH * 2] = L"";
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

int Refuse(const std::wstring &text)
{
    MessageBoxW(nullptr, text.c_str(), kCaption, MB_OK | MB_ICONERROR);
    return 1;
}

} // namespace

int main()
{
    int count = 0;
    LPWSTR *argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int i = 1; argv && i < count; ++i)
        arguments.emplace_back(argv[i]);
    LocalFree(argv);
    if (arguments.size() != 4 || !IsPlainFolderName(arguments[2]))
        return Refuse(L"Nieprawid\u0142owe wywo\u0142anie edytora szablon\u00f3w. Prosz\u0119 uruchomi\u0107 go "
                      L"poleceniem \u201eEdycja szablonu\u201d okna post\u0119powania.");
    g_editor.set = TemplateSet{OwnFolder(), arguments[2]};
    const DWORD attributes = GetFileAttributesW(g_editor.set.Folder().c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return Refuse(L"Nie znaleziono zestawu szablon\u00f3w:\n" + g_editor.set.Folder());
    g_editor.templates = ListTemplates(g_editor.set);

    LoadLibraryW(L"MSFTEDIT.DLL");
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"MorvelankTemplateEditor";
    RegisterClassW(&windowClass);
    std::wstring shortName = arguments[3];
    for (wchar_t &c : shortName)
        if (c == L'@')
            c = L' ';
    const std::wstring title = std::wstring(kCaption) + L": " + shortName + L" (" + arguments[2] + L")";
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 980, 680, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
