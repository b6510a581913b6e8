// .bmp pictures on a page: the fixture print_2x2.bmp holds red, green (top) and blue, white
// (bottom); variants and damaged copies are made from it.

#include "controls/print_dib.h"
#include "controls/print_page.h"
#include "print_test_dc.h"
#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

CString FixturePath(const char *name)
{
    const char *folder = std::getenv("MORVELANK_TEST_SOURCE_DIR");
    CString path = CString("Z:") + (folder ? folder : "") + "/" + name;
    path.Replace('/', '\\');
    return path;
}

std::string Fixture()
{
    return TestFolder::ReadBytes(FixturePath("print_2x2.bmp"));
}

void PutDword(std::string &bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// An old-style picture: 2 x 1 pixels, 1 bit, a core header and 3-byte palette entries red, blue.
std::string CorePicture()
{
    std::string bytes("BM", 2);
    bytes += std::string(12, '\0');
    PutDword(bytes, 2, 36);
    PutDword(bytes, 10, 32);
    const char core[] = {12, 0, 0, 0, 2, 0, 1, 0, 1, 0, 1, 0};
    bytes.append(core, sizeof core);
    const char palette[] = {0, 0, '\xFF', '\xFF', 0, 0};
    bytes.append(palette, sizeof palette);
    const char bits[] = {0x40, 0, 0, 0};
    bytes.append(bits, sizeof bits);
    return bytes;
}

} // namespace

TEST(PrintBitmap, PictureIsStretchedIntoTheRectangle)
{
    const std::string fixture = Fixture();
    ASSERT_EQ(70u, fixture.size());
    TestFolder folder;
    const struct {
        const char *name;
        std::string bytes;
    } readable[] = {
        {"whole.bmp", fixture}, {"bare.bmp", fixture.substr(14)}, // without the file header
    };
    for (const auto &c : readable) {
        SCOPED_TRACE(c.name);
        TestFolder::WriteBytes(folder / c.name, c.bytes);
        PrintTestDC dc(300, 300, 100, 150);
        CPrintPage page(0, 0, 300, 300, &dc, MM_TEXT);
        page.DrawBitmap(100, 100, 120, 120, folder / c.name);
        EXPECT_EQ(RGB(255, 0, 0), dc.Pixel(105, 105));
        EXPECT_EQ(RGB(0, 255, 0), dc.Pixel(115, 105));
        EXPECT_EQ(RGB(0, 0, 255), dc.Pixel(105, 115));
        EXPECT_EQ(RGB(255, 255, 255), dc.Pixel(115, 115));
        const RECT ink = dc.InkBounds();
        EXPECT_EQ(100, ink.left);
        EXPECT_EQ(100, ink.top);
        EXPECT_EQ(120, ink.bottom);
    }

    TestFolder::WriteBytes(folder / "core.bmp", CorePicture());
    PrintTestDC dc(300, 300, 100, 150);
    CPrintPage page(0, 0, 300, 300, &dc, MM_TEXT);
    page.DrawBitmap(1.0, 1.0, 1.0 + 10 / 150.0, 1.2, folder / "core.bmp");
    EXPECT_EQ(RGB(255, 0, 0), dc.Pixel(105, 155));
    EXPECT_EQ(RGB(0, 0, 255), dc.Pixel(115, 155));
}

TEST(PrintBitmap, UnreadableFileDrawsNothing)
{
    const std::string fixture = Fixture();
    std::string headerSize20 = fixture;
    PutDword(headerSize20, 14, 20);
    std::string hugeWidth = fixture; // a picture far larger than its bits
    PutDword(hugeWidth, 18, 100000);
    std::string offsetPastEnd = fixture;
    PutDword(offsetPastEnd, 10, 5000);
    std::string manyColours = fixture;
    PutDword(manyColours, 46, 100000);
    const struct {
        const char *name;
        std::string bytes;
    } damaged[] = {
        {"empty.bmp", ""},
        {"cut.bmp", fixture.substr(0, 60)},
        {"header.bmp", fixture.substr(0, 30)},
        {"size20.bmp", headerSize20},
        {"huge.bmp", hugeWidth},
        {"offset.bmp", offsetPastEnd},
        {"colours.bmp", manyColours},
    };
    TestFolder folder;
    for (const auto &c : damaged) {
        SCOPED_TRACE(c.name);
        TestFolder::WriteBytes(folder / c.name, c.bytes);
        EXPECT_EQ(nullptr, LoadDib(folder / c.name));
        PrintTestDC dc(300, 300, 100, 150);
        CPrintPage page(0, 0, 300, 300, &dc, MM_TEXT);
        page.DrawBitmap(100, 100, 120, 120, folder / c.name);
        EXPECT_TRUE(dc.Blank());
    }
    PrintTestDC dc(300, 300, 100, 150);
    CPrintPage page(0, 0, 300, 300, &dc, MM_TEXT);
    page.DrawBitmap(100, 100, 120, 120, folder / "missing.bmp");
    EXPECT_TRUE(dc.Blank());
}
