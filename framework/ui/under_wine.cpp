#include "framework/ui/under_wine.h"

#include <windows.h>

bool RunsUnderWine()
{
    static const bool underWine = [] {
        HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }();
    return underWine;
}
