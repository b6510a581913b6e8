#include "controls/shell_open.h"

#include "framework/core/codepage.h"

#include <windows.h>
#include <shellapi.h>

namespace {
std::function<void(const CString &)> replacedOpener;
} // namespace

void ShellOpen(const CString &target)
{
    if (replacedOpener) {
        replacedOpener(target);
        return;
    }
    ::ShellExecuteW(nullptr, L"open", Cp1250ToWide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

CShellOpenScope::CShellOpenScope(std::function<void(const CString &)> opener) : m_previous(std::move(replacedOpener))
{
    replacedOpener = std::move(opener);
}

CShellOpenScope::~CShellOpenScope()
{
    replacedOpener = std::move(m_previous);
}
