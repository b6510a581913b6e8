// Pictures reach the page: every kind the control and word processors write, at the size the
// document asks for, within the page, and a damaged one is left out.

#include "rich_text_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every fixture is "przed", a picture, "po"; the picture is red on its left half and blue on
// its right (the monochrome bitmap: black and white).
const struct PictureFixture {
    const char *file;
    RichTextPicture::Kind kind;
    int width; // twips, as the fixture asks
    int height;
    DWORD left; // 0x00RRGGBB
    DWORD right;
} kFixtures[] = {
    {"picture_png.rtf", RichTextPicture::Kind::Png, 2880, 1440, 0xFF0000, 0x0000FF},
    {"picture_jpeg.rtf", RichTextPicture::Kind::Jpeg, 2880, 1440, 0xFF0000, 0x0000FF}, // 1440 x 720 at 200 %
    {"picture_dib.rtf", RichTextPicture::Kind::Dib, 2880, 1440, 0xFF0000, 0x0000FF},
    {"picture_ddb.rtf", RichTextPicture::Kind::Ddb, 2880, 1440, 0x000000, 0xFFFFFF},
    {"picture_emf.rtf", RichTextPicture::Kind::Emf, 2268, 1134, 0xFF0000, 0x0000FF},
    {"picture_wmf.rtf", RichTextPicture::Kind::Wmf, 2268, 1134, 0xFF0000, 0x0000FF},
};

bool Near(DWORD expected, DWORD actual)
{
    for (int shift : {0, 8, 16}) {
        const int a = static_cast<int>((expected >> shift) & 0xFF);
        const int b = static_cast<int>((actual >> shift) & 0xFF);
        if (std::abs(a - b) > 60)
            return false;
    }
    return true;
}

// Lines of page 1 and the box of the picture's line.
RECT PictureBox(const RichTextLayout &layout)
{
    for (const RichTextLineInfo &line : layout.PageLines(1))
        if (line.text == L"\uFFFC")
            return line.box;
    return RECT{0, 0, 0, 0};
}

TEST(RichTextPictureTest, DrawsEveryKindAtTheSizeAsked)
{
    for (const PictureFixture &fixture : kFixtures) {
        const std::string rtf = ReadFixture(fixture.file);
        ASSERT_FALSE(rtf.empty()) << fixture.file;
        const RichTextDocument document = RichTextDocument::FromRtf(rtf);
        ASSERT_EQ(1u, document.pictures.size()) << fixture.file;
        EXPECT_EQ(fixture.kind, document.pictures[0].kind) << fixture.file;

        MemoryDC dc;
        const RichTextLayout layout(document, A4Page(), dc);
        EXPECT_EQ(L"przed\n\uFFFC\npo\n", layout.PageText(1)) << fixture.file;
        const RECT box = PictureBox(layout);
        EXPECT_EQ(1417, box.left) << fixture.file;
        EXPECT_NEAR(fixture.width, box.right - box.left, 2) << fixture.file;
        EXPECT_GE(box.bottom - box.top, fixture.height) << fixture.file;

        // Drawn at a pixel for ten twips: the picture, taller than the text, fills its line
        // from the top; its halves are in their colours.
        Canvas canvas(1191, 1684);
        layout.DrawPage(canvas.dc(), 1, RECT{0, 0, 1191, 1684});
        const int middle = (box.top + fixture.height / 2) / 10;
        const int quarter = fixture.width / 40;
        EXPECT_TRUE(Near(fixture.left, canvas.Pixel(box.left / 10 + quarter, middle)))
            << fixture.file << " " << std::hex << canvas.Pixel(box.left / 10 + quarter, middle);
        EXPECT_TRUE(Near(fixture.right, canvas.Pixel(box.left / 10 + 3 * quarter, middle)))
            << fixture.file << " " << std::hex << canvas.Pixel(box.left / 10 + 3 * quarter, middle);
        EXPECT_EQ(0xFFFFFFu, canvas.Pixel(box.left / 10 + fixture.width / 10 + 5, middle)) << fixture.file;
    }
}

TEST(RichTextPictureTest, PicturesShrinkIntoTheirFrame)
{
    const std::string png = ReadFixture("picture_png.rtf");
    const size_t data = png.find("\\picw16");
    ASSERT_NE(std::string::npos, data);
    const std::string pict = png.substr(png.find("{\\pict"), png.find("}\\par", data) + 1 - png.find("{\\pict"));
    auto sized = [&](const std::string &goal) {
        std::string resized = pict;
        resized.replace(resized.find("\\picwgoal2880\\pichgoal1440"), 26, goal);
        return resized;
    };
    const struct {
        std::string body;
        int width;
        int height;
    } cases[] = {
        // Wider than the body (9072 twips): as wide as the body.
        {sized("\\picwgoal18144\\pichgoal1440") + "\\par", 9072, 720},
        // Taller than the body (14004 twips): as tall as the body.
        {sized("\\picwgoal2000\\pichgoal28008") + "\\par", 1000, 14004},
        // In a table cell: as wide as the cell's text.
        {"\\trowd\\trgaph100\\cellx2200\\cellx9000 " + pict + "\\cell x\\cell\\row", 2000, 1000},
        // One goal given: the other side keeps the proportions.
        {sized("\\picwgoal1440") + "\\par", 1440, 720},
    };
    for (const auto &c : cases) {
        const RichTextLayout layout = LayOut(Rtf(c.body));
        ASSERT_EQ(1, layout.PageCount()) << c.body.substr(0, 60);
        const RECT box = PictureBox(layout);
        EXPECT_NEAR(c.width, box.right - box.left, 2) << c.body.substr(0, 60);
        EXPECT_GE(box.bottom - box.top, c.height - 2) << c.body.substr(0, 60);
        EXPECT_LE(box.bottom - box.top, c.height + 400) << c.body.substr(0, 60);
    }
}

TEST(RichTextPictureTest, DamagedPicturesAreLeftOut)
{
    for (const PictureFixture &fixture : kFixtures) {
        const std::string rtf = ReadFixture(fixture.file);
        const size_t start = rtf.find('\n', rtf.find("{\\pict")) + 1;
        const size_t end = rtf.find('}', start);
        ASSERT_LT(start, end) << fixture.file;
        const std::string data = rtf.substr(start, end - start);
        enum class Damage { Garbage, CutShort, OneByte };
        const struct {
            Damage damage;
            std::string data;
        } damages[] = {
            {Damage::Garbage, std::string(data.size(), '7')},
            {Damage::CutShort, data.substr(0, data.size() / 3)},
            {Damage::OneByte, "01"},
        };
        for (const auto &damage : damages) {
            const std::string damaged = rtf.substr(0, start) + damage.data + rtf.substr(end);
            const std::string what = std::string(fixture.file) + " damage " + std::to_string(int(damage.damage));
            MemoryDC dc;
            const RichTextLayout layout(RichTextDocument::FromRtf(damaged), A4Page(), dc);
            Canvas canvas(1191, 1684);
            layout.DrawPage(canvas.dc(), 1, RECT{0, 0, 1191, 1684});
            const std::wstring text = layout.PageText(1);
            EXPECT_EQ(0u, text.find(L"przed\n")) << what;
            EXPECT_NE(std::wstring::npos, text.find(L"po\n")) << what;
            // Damage that the picture's own structure shows is always caught; a cut-short JPEG
            // may still decode as far as it goes, and a device bitmap has no structure to show it.
            const bool mayStillDecode = (fixture.kind == RichTextPicture::Kind::Jpeg && damage.damage == Damage::CutShort)
                                        || (fixture.kind == RichTextPicture::Kind::Ddb && damage.damage == Damage::Garbage);
            if (!mayStillDecode) {
                EXPECT_EQ(L"przed\n\npo\n", text) << what;
            }
        }
    }
}

} // namespace
