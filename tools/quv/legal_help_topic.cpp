#include "tools/quv/legal_help_topic.h"

#include <windows.h>

#include <cerrno>
#include <cwchar>

namespace {

const wchar_t kSettingsKey[] = L"Software\\Dravo\\Morvelank4";

bool HasLegalHelp(const std::wstring &folder)
{
    const DWORD attributes = GetFileAttributesW((folder + L"\\prawo").c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

bool ReadTopicArgument(const std::wstring &argument, long &topic)
{
    if (argument.empty()) {
        topic = -1;
        return true;
    }
    wchar_t *end = nullptr;
    errno = 0;
    const long value = wcstol(argument.c_str(), &end, 10);
    if (end == argument.c_str() || *end != L'\0' || errno == ERANGE)
        return false;
    topic = value;
    return true;
}

std::wstring LegalHelpFolder(const std::wstring &ownFolder)
{
    if (HasLegalHelp(ownFolder))
        return ownFolder;
    wchar_t value[MAX_PATH * 2] = L"";
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"MainPath", RRF_RT_REG_SZ, nullptr, value, &size)
            == ERROR_SUCCESS
        && HasLegalHelp(value))
        return value;
    return ownFolder;
}
