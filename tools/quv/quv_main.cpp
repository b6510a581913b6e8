// Quv: the legal-help program the specification's headings start with a topic number from
// "cnf\qox.cnf". It shows that topic of the legal help (the contents for an unknown one) and
// ends when its window closes.

#include "framework/shell/html_help.h"
#include "tools/quv/legal_help_topic.h"
#include "tools/common/narrow_text.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>

namespace {

std::wstring OwnFolder()
{
    wchar_t path[MAX_PATH * 2] = L"";
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    int count = 0;
    LPWSTR *argv = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::wstring argument = argv && count > 1 ? argv[1] : L"";
    LocalFree(argv);

    long topic = -1;
    if (!ReadTopicArgument(argument, topic)) {
        const std::wstring text = L"Nieprawid\u0142owy numer tematu pomocy prawnej: \u201e" + argument + L"\u201d.";
        MessageBoxW(nullptr, text.c_str(), L"Pomoc prawna", MB_OK | MB_ICONERROR);
        return 1;
    }
    const std::string helpFile = Cp1250(LegalHelpFolder(OwnFolder()) + L"\\prawo.chm");
    HWND help = topic < 0 ? HtmlHelp(nullptr, helpFile.c_str(), HH_DISPLAY_TOC, 0)
                          : HtmlHelp(nullptr, helpFile.c_str(), HH_HELP_CONTEXT, static_cast<DWORD_PTR>(topic));
    if (!help)
        return 1;
    MSG message;
    while (IsWindow(help) && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
