// The template editor's rules: a broken tag is found and named, the installation's set is only
// read, and saves go to the private folder, which is read from then on.

#include "tools/szablony/template_store.h"
#include "tools/szablony/template_tags.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

TEST(SzablonyTags, NamesTheFirstBrokenTag)
{
    const struct {
        const char *text;
        const char *broken; // "" when the tags are whole
    } cases[] = {
        {"Znak sprawy: <!020>numer sprawy</020>, dnia <!416>data</416>", ""},
        {"bez znacznik\xF3w, a<b i c</d", ""},
        {"<!020>numer sprawy", "<!020>"},
        {"<!020>numer</021>", "<!020>"},
        {"numer</020>", "</020>"},
        {"<!02>numer</02>", "<!02>"},
        {"<!020>a<!021>b</021></020>", "<!020>"},
        {"<!0x0>numer</0x0>", "<!0x0>"},
        {"<!020 numer", "<!020 numer"},
        {"<!150>oferty;Numer\r\nnazwa</150>", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FindBrokenTag(c.text), c.broken) << c.text;
}

class SzablonyFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_set.mainPath = std::wstring(temp) + L"szablony \u0142\u00f3d\u017a";
        m_set.folderName = L"szablony_202509";
        Remove(m_set.mainPath);
        Write(m_set.Folder() + L"\\wspolne\\karta.rtf", "{\\rtf1 instalacja}");
        Write(m_set.Folder() + L"\\p130\\notatka.rtf", "{\\rtf1 notatka}");
        Write(m_set.Folder() + L"\\p130\\opis.txt", "nie szablon");
    }
    void TearDown() override { Remove(m_set.mainPath); }

    static void Remove(const std::wstring &folder)
    {
        std::wstring from = folder + L'\0';
        SHFILEOPSTRUCTW operation{};
        operation.wFunc = FO_DELETE;
        operation.pFrom = from.c_str();
        operation.fFlags = FOF_NO_UI;
        SHFileOperationW(&operation);
    }

    static void Write(const std::wstring &path, const std::string &bytes) { ASSERT_TRUE(SaveTemplate(path, bytes)); }

    static std::string Read(const std::wstring &path)
    {
        std::string bytes;
        FILE *file = _wfopen(path.c_str(), L"rb");
        if (!file)
            return bytes;
        char buffer[256];
        size_t count;
        while ((count = fread(buffer, 1, sizeof buffer, file)) > 0)
            bytes.append(buffer, count);
        fclose(file);
        return bytes;
    }

    TemplateSet m_set;
};

TEST_F(SzablonyFolder, ASavedTemplateGoesToThePrivateFolderAndIsReadFromThere)
{
    EXPECT_EQ(ListTemplates(m_set), (std::vector<std::wstring>{L"p130\\notatka.rtf", L"wspolne\\karta.rtf"}));
    EXPECT_EQ(m_set.ReadPath(L"wspolne\\karta.rtf"), m_set.Folder() + L"\\wspolne\\karta.rtf");

    const std::wstring target = m_set.WritePath(L"wspolne\\karta.rtf");
    EXPECT_EQ(target, m_set.mainPath + L"\\szablony_moje\\wspolne\\karta.rtf");
    ASSERT_TRUE(SaveTemplate(target, "{\\rtf1 moja}"));
    EXPECT_EQ(Read(m_set.Folder() + L"\\wspolne\\karta.rtf"), "{\\rtf1 instalacja}");
    EXPECT_EQ(m_set.ReadPath(L"wspolne\\karta.rtf"), target);
    EXPECT_EQ(Read(target), "{\\rtf1 moja}");

    // A template only the user has is listed once beside the set's.
    ASSERT_TRUE(SaveTemplate(m_set.WritePath(L"wlasne\\pismo.rtf"), "{\\rtf1 pismo}"));
    EXPECT_EQ(ListTemplates(m_set).size(), 3u);
}

TEST_F(SzablonyFolder, TheSetFolderNamedOnTheCommandLineIsNeverAPath)
{
    for (const wchar_t *good : {L"szablony_202509", L"szablony", L"szablony_moje"})
        EXPECT_TRUE(IsPlainFolderName(good)) << good;
    for (const wchar_t *bad : {L"", L"..", L"..\\Windows", L"C:\\szablony", L"a/b"})
        EXPECT_FALSE(IsPlainFolderName(bad)) << bad;
}

} // namespace
