#include "tools/wendrix/register_window.h"

#include "framework/core/codepage.h"
#include "framework/ui/msgbox.h"
#include "framework/db/com_error.h"
#include "tools/quendral/workbook_export.h"
#include "tools/wendrix/register_export.h"
#include "tools/wendrix/register_print.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

const wchar_t kCaption[] = L"Ewidencja zam\u00f3wie\u0144 publicznych";

enum ControlId {
    kSearch = 100,
    kSearchButton,
    kList,
    kDate,
    kKind,
    kValue,
    kCpv,
    kCase,
    kSubject,
    kContractor,
    kAdd,
    kChange,
    kDelete,
    kExport,
    kPrint,
    kClose,
};

const struct {
    const char *heading;
    int width;
} kColumns[] = {
    {"Lp.", 40},        {"Data", 80},    {"Przedmiot zamówienia", 260}, {"Rodzaj", 110}, {"Wartość netto (zł)", 120},
    {"Wykonawca", 200}, {"Kod CPV", 90}, {"Znak sprawy", 110}};

const struct {
    int id;
    const char *label;
    int x, y, width;
} kFields[] = {
    {kDate, "Data (RRRR-MM-DD):", 8, 0, 120},     {kKind, "Rodzaj:", 140, 0, 150},
    {kValue, "Wartość netto (zł):", 302, 0, 130}, {kCpv, "Kod CPV:", 444, 0, 100},
    {kCase, "Znak sprawy:", 556, 0, 150},         {kSubject, "Przedmiot zamówienia:", 8, 1, 500},
    {kContractor, "Wykonawca:", 520, 1, 480},
};

const struct {
    int id;
    const char *text;
} kButtons[] = {{kAdd, "Dodaj"},    {kChange, "Zmień"}, {kDelete, "Usuń"}, {kExport, "Eksport do arkusza"},
                {kPrint, "Drukuj"}, {kClose, "Zamknij"}};

const int kRowHeight = 46;
const int kFormHeight = 2 * kRowHeight + 44;

struct RegisterWindow {
    ContractRegister *contracts = nullptr;
    CString programFolder;
    std::vector<ContractEntry> shown;
    HWND window = nullptr;
};

RegisterWindow g_register;

HWND Item(int id)
{
    return GetDlgItem(g_register.window, id);
}

CString TextOf(int id)
{
    const int length = GetWindowTextLengthW(Item(id));
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(Item(id), &text[0], length + 1)));
    return CString(WideToCp1250(text)).Trim();
}

void SetText(int id, const CString &text)
{
    SetWindowTextW(Item(id), Cp1250ToWide(text).c_str());
}

void Tell(const CString &text, UINT icon)
{
    ShowSystemMessageBox(g_register.window, Cp1250ToWide(text).c_str(), kCaption, MB_OK | icon);
}

HWND Child(const wchar_t *className, const CString &text, DWORD style, int id, int x, int y, int width, int height)
{
    HWND child = CreateWindowExW(className == std::wstring(L"EDIT") ? WS_EX_CLIENTEDGE : 0, className,
                                 Cp1250ToWide(text).c_str(), WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                 g_register.window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    return child;
}

int Selected()
{
    return static_cast<int>(SendMessageW(Item(kList), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void Reload()
{
    try {
        g_register.shown = g_register.contracts->Find(TextOf(kSearch));
    } catch (const ComError &error) {
        Tell("Nie można odczytać ewidencji: " + error.Description(), MB_ICONERROR);
        return;
    }
    HWND list = Item(kList);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    const std::vector<std::vector<CString>> table = RegisterTable(g_register.shown);
    for (size_t row = 1; row < table.size(); ++row) {
        for (size_t column = 0; column < table[row].size(); ++column) {
            std::wstring text = Cp1250ToWide(table[row][column]);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(row - 1);
            item.iSubItem = static_cast<int>(column);
            item.pszText = &text[0];
            SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, row - 1,
                         reinterpret_cast<LPARAM>(&item));
        }
    }
}

void ShowEntry(const ContractEntry &entry)
{
    SetText(kDate, entry.date);
    SetText(kValue, FormatValueNet(entry.valueGrosze));
    SetText(kCpv, entry.cpv);
    SetText(kCase, entry.caseNumber);
    SetText(kSubject, entry.subject);
    SetText(kContractor, entry.contractor);
    SendMessageW(Item(kKind), CB_SELECTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(Cp1250ToWide(entry.kind).c_str()));
}

// The form's entry, or false after telling the user what is wrong.
bool ReadForm(ContractEntry &entry)
{
    entry.date = TextOf(kDate);
    entry.subject = TextOf(kSubject);
    entry.kind = TextOf(kKind);
    entry.contractor = TextOf(kContractor);
    entry.cpv = TextOf(kCpv);
    entry.caseNumber = TextOf(kCase);
    if (!ParseValueNet(TextOf(kValue), entry.valueGrosze)) {
        Tell(kValueNetRefused, MB_ICONWARNING);
        return false;
    }
    CString error;
    if (!CheckEntry(entry, error)) {
        Tell(error, MB_ICONWARNING);
        return false;
    }
    return true;
}

void Store(bool change)
{
    const int selected = Selected();
    if (change && selected < 0) {
        Tell("Proszę zaznaczyć na liście wpis do zmiany.", MB_ICONINFORMATION);
        return;
    }
    ContractEntry entry;
    if (change)
        entry.id = g_register.shown[static_cast<size_t>(selected)].id;
    if (!ReadForm(entry))
        return;
    try {
        if (change)
            g_register.contracts->Change(entry);
        else
            g_register.contracts->Add(entry);
    } catch (const ComError &error) {
        Tell("Nie można zapisać wpisu: " + error.Description(), MB_ICONERROR);
        return;
    }
    Reload();
}

void Delete()
{
    const int selected = Selected();
    if (selected < 0) {
        Tell("Proszę zaznaczyć na liście wpis do usunięcia.", MB_ICONINFORMATION);
        return;
    }
    if (ShowSystemMessageBox(g_register.window, L"Usun\u0105\u0107 zaznaczony wpis z ewidencji?", kCaption,
                    MB_YESNO | MB_ICONQUESTION)
        != IDYES)
        return;
    try {
        g_register.contracts->Remove(g_register.shown[static_cast<size_t>(selected)].id);
    } catch (const ComError &error) {
        Tell("Nie można usunąć wpisu: " + error.Description(), MB_ICONERROR);
        return;
    }
    Reload();
}

// The shown entries handed to the spreadsheet exporter the way the program's tables do.
void Export()
{
    const std::wstring folder = ExportFolderSetting();
    const CString exportFile = WideToCp1250(folder) + "\\export.dat";
    if (folder.empty() || !WriteRegisterExport(g_register.shown, exportFile)) {
        Tell("Nie można zapisać pliku eksportu " + exportFile + ". Proszę sprawdzić folder eksportu w ustawieniach.",
             MB_ICONERROR);
        return;
    }
    std::wstring line = L"\"" + Cp1250ToWide(g_register.programFolder) + L"\\Quendral.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        Tell("Nie można uruchomić programu eksportu do arkusza kalkulacyjnego " + g_register.programFolder
                 + "\\Quendral.exe",
             MB_ICONERROR);
        return;
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
}

void Create()
{
    Child(L"STATIC", "Szukaj (przedmiot, wykonawca, CPV, znak sprawy):", 0, 0, 8, 12, 270, 16);
    Child(L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, kSearch, 280, 8, 300, 22);
    Child(L"BUTTON", "Szukaj", WS_TABSTOP | BS_DEFPUSHBUTTON, kSearchButton, 590, 7, 90, 24);
    HWND list = Child(WC_LISTVIEWW, "", WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, kList,
                      8, 38, 100, 100);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (size_t i = 0; i < sizeof kColumns / sizeof kColumns[0]; ++i) {
        std::wstring heading = Cp1250ToWide(kColumns[i].heading);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = kColumns[i].width;
        column.pszText = &heading[0];
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    for (const auto &field : kFields) {
        Child(L"STATIC", field.label, 0, 0, field.x, 0, field.width, 16);
        if (field.id == kKind) {
            HWND kinds =
                Child(L"COMBOBOX", "", WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, kKind, field.x, 0, field.width, 120);
            for (const char *kind : kContractKinds)
                SendMessageW(kinds, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Cp1250ToWide(kind).c_str()));
        } else {
            Child(L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, field.id, field.x, 0, field.width, 22);
        }
    }
    for (const auto &button : kButtons)
        Child(L"BUTTON", button.text, WS_TABSTOP | BS_PUSHBUTTON, button.id, 0, 0, 120, 26);
}

// The list takes what the form and the buttons leave.
void Layout(int width, int height)
{
    const int formTop = height - kFormHeight;
    MoveWindow(Item(kList), 8, 38, width - 16, formTop - 46, TRUE);
    HWND child = GetWindow(g_register.window, GW_CHILD);
    for (const auto &field : kFields) {
        while (child && GetDlgCtrlID(child) != field.id)
            child = GetWindow(child, GW_HWNDNEXT);
        HWND label = GetWindow(child, GW_HWNDPREV);
        const int top = formTop + field.y * kRowHeight;
        MoveWindow(label, field.x, top, field.width, 16, TRUE);
        MoveWindow(child, field.x, top + 18, field.width, field.id == kKind ? 120 : 22, TRUE);
    }
    int x = 8;
    for (const auto &button : kButtons) {
        MoveWindow(Item(button.id), x, height - 34, 120, 26, TRUE);
        x += 128;
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        g_register.window = window;
        Create();
        Reload();
        return 0;
    case WM_SIZE:
        Layout(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_NOTIFY: {
        const auto *notice = reinterpret_cast<const NMLISTVIEW *>(lParam);
        if (notice->hdr.idFrom == kList && notice->hdr.code == LVN_ITEMCHANGED && (notice->uNewState & LVIS_SELECTED)
            && notice->iItem >= 0 && static_cast<size_t>(notice->iItem) < g_register.shown.size())
            ShowEntry(g_register.shown[static_cast<size_t>(notice->iItem)]);
        return 0;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case kSearchButton:
            Reload();
            break;
        case kAdd:
            Store(false);
            break;
        case kChange:
            Store(true);
            break;
        case kDelete:
            Delete();
            break;
        case kExport:
            Export();
            break;
        case kPrint:
            PrintRegister(window, g_register.shown);
            break;
        case kClose:
            DestroyWindow(window);
            break;
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int RunRegisterWindow(ContractRegister &contracts, const CString &programFolder)
{
    g_register.contracts = &contracts;
    g_register.programFolder = programFolder;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"MorvelankContractRegister";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, kCaption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 1020, 640, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
