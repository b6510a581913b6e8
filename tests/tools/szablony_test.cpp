// The template editor's rules: a broken tag is found and named, an edit of a template's text
// goes back into its own RTF and changes nothing else, the installation's set is only read,
// and saves go to the private folder, which is read from then on.

#include "tools/szablony/rtf_text.h"
#include "tools/szablony/template_store.h"
#include "tools/szablony/template_tags.h"
#include "tests/support/program_windows.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
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

TEST(SzablonyRtf, TheShownTextComesFromTheBodyOnly)
{
    const std::string rtf = "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0\\fswiss Arial;}}{\\*\\generator x;}\r\n"
                            "\\paperw11906\\margl1134\\pard\\li567 Zamawiaj\\'b9cy \\{\\\\\\}\\par\r\n"
                            "\\pard\\fi-283\\li851 a\\tab b\\u8364?\\par}";
    const RtfText read = ReadRtfText(rtf);
    EXPECT_EQ(read.text, L"Zamawiaj\u0105cy {\\}\ra\tb\u20ac\r");
    ASSERT_EQ(read.begin.size(), read.text.size());
    EXPECT_EQ(rtf.substr(read.begin[8], read.end[8] - read.begin[8]), "\\'b9");
    EXPECT_EQ(rtf.substr(read.begin[15], read.end[15] - read.begin[15]), "\\par");
    EXPECT_EQ(rtf.substr(read.begin[17], read.end[17] - read.begin[17]), "\\tab ");
    EXPECT_EQ(rtf.substr(read.begin[19], read.end[19] - read.begin[19]), "\\u8364?");
    EXPECT_EQ(rtf[read.bodyEnd], '}');
}

TEST(SzablonyRtf, AnEditChangesOnlyTheTextItTouches)
{
    const struct {
        const char *what;
        const char *rtf;
        const wchar_t *changed;
        const char *saved;
    } cases[] = {
        {"a word typed in a paragraph", "{\\rtf1\\pard\\li567\\sa60 Nazwa: <!021>x</021>\\par}",
         L"Nazwa: pe\u0142na <!021>x</021>\r", "{\\rtf1\\pard\\li567\\sa60 Nazwa: pe\\'b3na <!021>x</021>\\par}"},
        {"a replaced word keeps its bold", "{\\rtf1 A \\b stary\\b0  C\\par}", L"A nowy C\r",
         "{\\rtf1 A \\b nowy\\b0  C\\par}"},
        {"typing after a bold word goes on in bold", "{\\rtf1 X\\b Y\\b0 Z}", L"XYQZ", "{\\rtf1 X\\b YQ\\b0 Z}"},
        {"typing at a paragraph's start takes its formatting", "{\\rtf1\\b H\\b0\\par\\pard\\li567 t\\par}",
         L"H\rNt\r", "{\\rtf1\\b H\\b0\\par\\pard\\li567 Nt\\par}"},
        {"a joined paragraph keeps the second's indent", "{\\rtf1\\pard a\\par\\pard\\li567 b\\par}", L"ab\r",
         "{\\rtf1\\pard a\\pard\\li567 b\\par}"},
        {"a new paragraph", "{\\rtf1\\pard\\li567 ab\\par}", L"a\rb\r", "{\\rtf1\\pard\\li567 a\\par b\\par}"},
        {"a removed tab leaves the control word before it whole", "{\\rtf1\\b\\tab x}", L"x", "{\\rtf1\\b x}"},
        {"a blank after a control word stays a blank", "{\\rtf1\\b\\tab  x}", L" x", "{\\rtf1\\b  x}"},
        {"braces and backslashes are escaped", "{\\rtf1 a}", L"a{b}\\", "{\\rtf1 a\\{b\\}\\\\}"},
        {"a letter outside the code page", "{\\rtf1 a}", L"a\u0436", "{\\rtf1 a\\u1078?}"},
        {"text added at the end", "{\\rtf1 a\\par}", L"ab\r", "{\\rtf1 ab\\par}"},
        {"everything removed", "{\\rtf1\\paperw11906 a\\par b}", L"", "{\\rtf1\\paperw11906 }"},
        {"nothing changed", "{\\rtf1\\pard\\li851 a\\par}", L"a\r", "{\\rtf1\\pard\\li851 a\\par}"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const std::string saved = ReplaceRtfText(c.rtf, ReadRtfText(c.rtf), c.changed);
        EXPECT_EQ(saved, c.saved);
        EXPECT_EQ(ReadRtfText(saved).text, c.changed);
    }
}

DWORD CALLBACK StreamBytes(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG *given)
{
    auto *rest = reinterpret_cast<std::string *>(cookie);
    const size_t count = std::min(rest->size(), static_cast<size_t>(wanted));
    memcpy(buffer, rest->data(), count);
    rest->erase(0, count);
    *given = static_cast<LONG>(count);
    return 0;
}

// Every shipped template reads to the text the rich-edit control shows (which leaves out the
// document's last paragraph mark), so an edit can always be written back into its RTF.
TEST(SzablonyRtf, EveryShippedTemplateReadsAsTheControlShowsIt)
{
    namespace fs = std::filesystem;
    const fs::path installation = program_windows::InstallationFolder();
    ASSERT_TRUE(fs::exists(installation)) << installation;
    LoadLibraryW(L"MSFTEDIT.DLL");
    HWND edit = CreateWindowExW(0, L"RICHEDIT50W", L"", WS_POPUP | ES_MULTILINE, 0, 0, 600, 400, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    SendMessageW(edit, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
    int templates = 0;
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(installation)) {
        const fs::path relative = fs::relative(entry.path(), installation);
        if (relative.begin()->wstring().rfind(L"szablony", 0) != 0 || entry.path().extension() != ".rtf")
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string rtf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::string rest = rtf;
        EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&rest), 0, StreamBytes};
        SendMessageW(edit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
        std::wstring shown(rtf.size() + 1, L'\0');
        GETTEXTEX request{static_cast<DWORD>(shown.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
        shown.resize(static_cast<size_t>(
            SendMessageW(edit, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(&shown[0]))));
        const std::wstring read = ReadRtfText(rtf).text;
        EXPECT_TRUE(read == shown || read == shown + L"\r") << relative;
        ++templates;
    }
    DestroyWindow(edit);
    EXPECT_GT(templates, 50);
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

    // An older set's edits keep to a folder of their own: the newest set's are what the
    // private folder mirrors.
    const TemplateSet older{m_set.mainPath, L"szablony_200607"};
    EXPECT_EQ(older.WritePath(L"wspolne\\karta.rtf"),
              m_set.mainPath + L"\\szablony_moje\\szablony_200607\\wspolne\\karta.rtf");

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
