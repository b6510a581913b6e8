// Drawing pages onto DCs of different sizes and resolutions.

#include "rich_text_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/own_child.h"

namespace {

const char kPage[] = "\\qc{\\b\\fs32 Protok\\'f3\\'b3 z post\\'eapowania}\\par\\pard "
                     "\\trowd\\trgaph108\\clbrdrl\\brdrs\\clbrdrt\\brdrs\\clbrdrr\\brdrs\\clbrdrb\\brdrs\\cellx3000"
                     "\\clbrdrl\\brdrs\\clbrdrt\\brdrs\\clbrdrr\\brdrs\\clbrdrb\\brdrs\\cellx9000"
                     " Wykonawca\\cell Cena brutto\\cell\\row "
                     "{\\cf1 Uwaga: termin up\\'b3ywa jutro.}\\par";

TEST(RichTextDrawingTest, DrawsTheSamePageAtPrinterAndPreviewScale)
{
    const RichTextLayout layout = LayOut(Rtf(kPage));
    // A4 at 300 dpi and at 96 dpi.
    Canvas printer(2480, 3508);
    Canvas preview(794, 1123);
    layout.DrawPage(printer.dc(), 1, RECT{0, 0, 2480, 3508});
    layout.DrawPage(preview.dc(), 1, RECT{0, 0, 794, 1123});
    const RECT big = printer.Ink();
    const RECT small = preview.Ink();
    ASSERT_LT(small.left, small.right);
    // The table's left border sits on the left margin, 1417 twips in.
    EXPECT_NEAR(1417 * 300 / 1440, big.left, 2);
    EXPECT_NEAR(1417 * 96 / 1440, small.left, 2);
    const double scale = 2480.0 / 794.0;
    EXPECT_NEAR(small.left, big.left / scale, 2);
    EXPECT_NEAR(small.top, big.top / scale, 3);
    EXPECT_NEAR(small.right, big.right / scale, 2);
    EXPECT_NEAR(small.bottom, big.bottom / scale, 3);
    EXPECT_GT(printer.RedPixels(), 0);
    EXPECT_GT(preview.RedPixels(), 0);
}

TEST(RichTextDrawingTest, DrawsIntoTheTargetRectangleOnly)
{
    const RichTextLayout layout = LayOut(Rtf(kPage));
    Canvas whole(794, 1123);
    layout.DrawPage(whole.dc(), 1, RECT{0, 0, 794, 1123});
    Canvas shifted(1000, 1300);
    layout.DrawPage(shifted.dc(), 1, RECT{100, 50, 894, 1173});
    const RECT a = whole.Ink();
    const RECT b = shifted.Ink();
    EXPECT_EQ(a.left + 100, b.left);
    EXPECT_EQ(a.top + 50, b.top);
    EXPECT_EQ(a.right + 100, b.right);
    EXPECT_EQ(a.bottom + 50, b.bottom);

    // A target smaller than the page clips, and pages that do not exist draw nothing.
    Canvas clipped(400, 300);
    layout.DrawPage(clipped.dc(), 1, RECT{0, 0, 200, 100});
    EXPECT_LE(clipped.Ink().right, 200);
    EXPECT_LE(clipped.Ink().bottom, 100);
    Canvas none(200, 200);
    layout.DrawPage(none.dc(), 2, RECT{0, 0, 200, 200});
    layout.DrawPage(none.dc(), 0, RECT{0, 0, 200, 200});
    EXPECT_EQ(-1, none.Ink().right);
}

// A landscape page drawn on a portrait sheet is turned a quarter to the left: its first line
// runs up the sheet's left edge. On a landscape sheet it stands as it is.
TEST(RichTextDrawingTest, TurnsALandscapePageOntoPortraitPaper)
{
    const RichTextLayout layout = LayOut(Rtf("Pierwszy wiersz strony poziomej, do\\'9c\\'e6 d\\'b3ugi.\\par"),
                                         SmallPage(16838, 11906, 1000));
    Canvas portrait(1191, 1684);
    layout.DrawPage(portrait.dc(), 1, RECT{0, 0, 1191, 1684});
    const RECT turned = portrait.Ink();
    ASSERT_LT(turned.left, turned.right);
    EXPECT_GT(turned.bottom - turned.top, 4 * (turned.right - turned.left)) << "the line runs up the sheet";
    EXPECT_NEAR(100, turned.left, 25) << "the page's top margin along the left edge";
    EXPECT_NEAR(1684 - 100, turned.bottom, 5) << "the page's left margin at the bottom";

    Canvas landscape(1684, 1191);
    layout.DrawPage(landscape.dc(), 1, RECT{0, 0, 1684, 1191});
    const RECT upright = landscape.Ink();
    EXPECT_GT(upright.right - upright.left, 4 * (upright.bottom - upright.top));
    EXPECT_NEAR(100, upright.left, 5);
    EXPECT_NEAR(turned.bottom - turned.top, upright.right - upright.left, 3);
}

// A long document with every kind of block, for comparing layouts made at two resolutions.
std::string LongDocument()
{
    std::string body;
    for (int i = 1; i <= 80; ++i) {
        body += "\\pard\\sa120\\qj{\\b Punkt " + std::to_string(i)
                + ".} Zamawiaj\\'b9cy "
                  "{\\i wymaga} od wykonawc\\'f3w z\\'b3o\\'bfenia ofert w terminie, a oferty "
                  "z\\'b3o\\'bfone po terminie zwraca si\\'ea bez otwierania.\\par ";
        if (i % 10 == 0)
            body += "\\trowd\\trgaph108\\cellx3000\\cellx9000 Lp. " + std::to_string(i)
                    + "\\cell {\\fs28 Warto\\'9c\\'e6 zam\\'f3wienia netto i brutto}\\cell\\row ";
        if (i % 35 == 0)
            body += "\\page ";
    }
    return Rtf(body);
}

std::wstring Digest(const RichTextLayout &layout)
{
    std::wstring digest;
    for (int page = 1; page <= layout.PageCount(); ++page) {
        for (const RichTextLineInfo &line : layout.PageLines(page)) {
            const RECT &b = line.box;
            digest += std::to_wstring(page) + L" " + std::to_wstring(b.left) + L"," + std::to_wstring(b.top) + L","
                      + std::to_wstring(b.right) + L"," + std::to_wstring(b.bottom) + L" " + line.text + L"\n";
        }
    }
    return digest;
}

const wchar_t kDigestFileVariable[] = L"MORVELANK_RICH_TEXT_DIGEST_FILE";

// Run by the test below in a child process whose screen is set to 300 dpi.
TEST(RichTextResolutionChild, DISABLED_WriteDigest)
{
    wchar_t path[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableW(kDigestFileVariable, path, MAX_PATH), 0u);
    MemoryDC dc;
    const RichTextLayout layout(RichTextDocument::FromRtf(LongDocument()), A4Page(), dc);
    const std::wstring digest = std::to_wstring(GetDeviceCaps(dc, LOGPIXELSY)) + L"\n" + Digest(layout);
    FILE *file = _wfopen(path, L"wb");
    ASSERT_NE(nullptr, file);
    fwrite(digest.data(), sizeof(wchar_t), digest.size(), file);
    fclose(file);
}

// Sets the screen resolution that processes started from now on get; restores it when done.
class ScreenResolution {
public:
    explicit ScreenResolution(DWORD dpi)
    {
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                        nullptr, &m_key, nullptr);
        DWORD size = sizeof(m_old);
        m_hadOld = RegQueryValueExW(m_key, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE *>(&m_old), &size)
                   == ERROR_SUCCESS;
        RegSetValueExW(m_key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&dpi), sizeof(dpi));
    }
    ~ScreenResolution()
    {
        if (m_hadOld)
            RegSetValueExW(m_key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&m_old), sizeof(m_old));
        else
            RegDeleteValueW(m_key, L"LogPixels");
        RegCloseKey(m_key);
    }

private:
    HKEY m_key = nullptr;
    DWORD m_old = 0;
    bool m_hadOld = false;
};

TEST(RichTextResolutionTest, PaginatesTheSameAt300DpiAsAt96Dpi)
{
    MemoryDC dc;
    ASSERT_EQ(96, GetDeviceCaps(dc, LOGPIXELSY));
    const RichTextLayout layout(RichTextDocument::FromRtf(LongDocument()), A4Page(), dc);
    ASSERT_GT(layout.PageCount(), 3);

    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    wchar_t path[MAX_PATH] = {};
    GetTempFileNameW(folder, L"rtl", 0, path);
    SetEnvironmentVariableW(kDigestFileVariable, path);
    StartChildrenUnsharded();
    std::wstring command = L"\"" + std::wstring(self)
                           + L"\" --gtest_filter=RichTextResolutionChild.DISABLED_WriteDigest"
                             L" --gtest_also_run_disabled_tests";
    {
        ScreenResolution printerLike(300);
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process = {};
        ASSERT_TRUE(
            CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
        WaitForSingleObject(process.hProcess, 60000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    SetEnvironmentVariableW(kDigestFileVariable, nullptr);

    std::wstring child;
    if (FILE *file = _wfopen(path, L"rb")) {
        wchar_t buffer[4096];
        size_t read = 0;
        while ((read = fread(buffer, sizeof(wchar_t), 4096, file)) > 0)
            child.append(buffer, read);
        fclose(file);
    }
    DeleteFileW(path);
    ASSERT_EQ(L"300\n", child.substr(0, 4)) << "the child did not run at 300 dpi";
    EXPECT_EQ(Digest(layout), child.substr(4));
}

} // namespace
