// The ground every Polish text stands on: Wine runs with code page 1250 and the compiler
// turns UTF-8 sources into CP1250 literals.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

TEST(WineEnvironment, AnsiCodePageIs1250)
{
    EXPECT_EQ(GetACP(), 1250u);
}

TEST(WineEnvironment, PolishLiteralIsCp1250)
{
    const std::string literal = "zażółć gęślą jaźń ZAŻÓŁĆ";
    const std::string expected = "za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1 ZA\xAF\xD3\xA3\xC6";
    EXPECT_EQ(literal, expected);
}

TEST(WineEnvironment, PolishFileNameRoundTrips)
{
    wchar_t folder[MAX_PATH];
    ASSERT_NE(GetTempPathW(MAX_PATH, folder), 0u);
    const std::wstring path = std::wstring(folder) + L"Za\u017C\u00F3\u0142\u0107 g\u0119\u015Bl\u0105.txt";

    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << "error " << GetLastError();
    CloseHandle(file);

    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((std::wstring(folder) + L"Za*.txt").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    FindClose(search);
    EXPECT_EQ(std::wstring(found.cFileName), path.substr(path.rfind(L'\\') + 1));
    EXPECT_TRUE(DeleteFileW(path.c_str()));
}
