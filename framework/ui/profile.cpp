// The application's settings in the registry: HKCU\Software\<registry key>\<profile>\<section>.
#include "framework/core/codepage.h"
#include "framework/ui/winapp.h"

#include <string>

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey ? lpszRegistryKey : "";
    m_pszRegistryKey = m_strRegistryKey;
    m_strProfileName = m_strAppName;
    m_pszProfileName = m_strProfileName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey(key);
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == nullptr)
        return nullptr;
    CString path;
    path.Format("Software\\%s\\%s", m_pszRegistryKey, m_pszProfileName);
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, Cp1250ToWide(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return nullptr;
    return key;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    HKEY appKey = GetAppRegistryKey();
    if (appKey == nullptr)
        return nullptr;
    HKEY key = nullptr;
    LONG status = ::RegCreateKeyExW(appKey, Cp1250ToWide(lpszSection).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
    ::RegCloseKey(appKey);
    return status == ERROR_SUCCESS ? key : nullptr;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    CString fallback = lpszDefault ? lpszDefault : "";
    HKEY key = GetSectionKey(lpszSection);
    if (key == nullptr)
        return fallback;
    std::wstring entry = Cp1250ToWide(lpszEntry);
    DWORD type = 0;
    DWORD size = 0;
    CString value = fallback;
    if (::RegQueryValueExW(key, entry.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS
        && (type == REG_SZ || type == REG_EXPAND_SZ)) {
        std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
        if (::RegQueryValueExW(key, entry.c_str(), nullptr, &type, reinterpret_cast<BYTE *>(&text[0]), &size)
            == ERROR_SUCCESS)
            value = WideToCp1250(text.c_str()); // stops at the stored terminator
    }
    ::RegCloseKey(key);
    return value;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (m_pszRegistryKey == nullptr || lpszSection == nullptr)
        return FALSE;
    LONG status;
    if (lpszEntry == nullptr) {
        // No entry: remove the whole section.
        HKEY appKey = GetAppRegistryKey();
        if (appKey == nullptr)
            return FALSE;
        status = ::RegDeleteTreeW(appKey, Cp1250ToWide(lpszSection).c_str());
        ::RegCloseKey(appKey);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    HKEY key = GetSectionKey(lpszSection);
    if (key == nullptr)
        return FALSE;
    std::wstring entry = Cp1250ToWide(lpszEntry);
    if (lpszValue == nullptr) {
        status = ::RegDeleteValueW(key, entry.c_str());
        if (status == ERROR_FILE_NOT_FOUND)
            status = ERROR_SUCCESS;
    } else {
        std::wstring value = Cp1250ToWide(lpszValue);
        status = ::RegSetValueExW(key, entry.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(value.c_str()),
                                  (DWORD)((value.size() + 1) * sizeof(wchar_t)));
    }
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    HKEY key = GetSectionKey(lpszSection);
    if (key == nullptr)
        return nDefault;
    DWORD value = 0;
    DWORD type = 0;
    DWORD size = sizeof value;
    LONG status = ::RegQueryValueExW(key, Cp1250ToWide(lpszEntry).c_str(), nullptr, &type,
                                     reinterpret_cast<BYTE *>(&value), &size);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS && type == REG_DWORD ? value : (UINT)nDefault;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    HKEY key = GetSectionKey(lpszSection);
    if (key == nullptr)
        return FALSE;
    DWORD value = (DWORD)nValue;
    LONG status = ::RegSetValueExW(key, Cp1250ToWide(lpszEntry).c_str(), 0, REG_DWORD,
                                   reinterpret_cast<const BYTE *>(&value), sizeof value);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
}
