#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/system_utils.h"
#include "framework/core/codepage.h"

namespace {

const char kTestKey[] = "Software\\MorvelankTests\\SystemUtils";

void SetValue(const char *name, const std::wstring &text)
{
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, Cp1250ToWide(kTestKey).c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &key, nullptr));
    RegSetValueExW(key, name ? Cp1250ToWide(name).c_str() : nullptr, 0, REG_SZ,
                   reinterpret_cast<const BYTE *>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

} // namespace

TEST(Registry, ReadsStringsAsCodePage1250)
{
    SetValue("Miejscowość", L"Łódź");
    SetValue("Długi", std::wstring(2500, L'x'));
    EXPECT_STREQ("Łódź", ReadRegistryString(HKEY_CURRENT_USER, kTestKey, "Miejscowość"));
    EXPECT_EQ(2500, ReadRegistryString(HKEY_CURRENT_USER, kTestKey, "Długi").GetLength());
    EXPECT_STREQ("", ReadRegistryString(HKEY_CURRENT_USER, kTestKey, "brak"));
    EXPECT_STREQ("", ReadRegistryString(HKEY_CURRENT_USER, "Software\\MorvelankTests\\Brak", "x"));
}

TEST(Registry, DefaultValueOfAKey)
{
    SetValue(nullptr, L"htmlfile");
    char buffer[260] = "untouched";
    EXPECT_EQ(ERROR_SUCCESS, ReadClassesRootString(HKEY_CURRENT_USER, kTestKey, buffer));
    EXPECT_STREQ("htmlfile", buffer);
    EXPECT_NE(ERROR_SUCCESS, ReadClassesRootString(HKEY_CURRENT_USER, "Software\\MorvelankTests\\Brak", buffer));
}

TEST(OsVersion, CodesOfPlatformAndVersion)
{
    const struct {
        DWORD platform, major, minor;
        int code;
    } cases[] = {
        {VER_PLATFORM_WIN32s, 3, 1, 0},         {VER_PLATFORM_WIN32_WINDOWS, 4, 0, 1},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 10, 2}, {VER_PLATFORM_WIN32_WINDOWS, 4, 90, 3},
        {VER_PLATFORM_WIN32_NT, 4, 0, 4},       {VER_PLATFORM_WIN32_NT, 5, 0, 5},
        {VER_PLATFORM_WIN32_NT, 5, 1, 6},       {VER_PLATFORM_WIN32_NT, 5, 2, 7},
        {VER_PLATFORM_WIN32_NT, 6, 3, 8},       {VER_PLATFORM_WIN32_NT, 10, 0, 5},
        {VER_PLATFORM_WIN32_NT, 3, 51, 8},      {7, 1, 0, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.code, ClassifyOsVersion(c.platform, c.major, c.minor))
            << c.platform << " " << c.major << "." << c.minor;
    EXPECT_GE(GetOSVersionInfo(), 4); // Wine reports an NT version
}
