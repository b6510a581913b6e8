// The page on the printer's sheet: the preview's margin guides stand where the renderer puts the
// page's margins, the page stretched over the sheet and turned a quarter on a sheet of the
// other orientation.

#include <gtest/gtest.h>

#include "document/view/print_sheet.h"

namespace {

RichTextPageSize Page(int width, int height, RECT margins)
{
    RichTextPageSize page;
    page.width = width;
    page.height = height;
    page.margins = margins;
    return page;
}

TEST(MarginGuidesOnSheet, StandWhereTheRendererPutsTheMargins)
{
    const RichTextPageSize a4 = Page(11906, 16838, RECT{1417, 1134, 850, 1701});
    const RichTextPageSize a4Landscape = Page(16838, 11906, RECT{1134, 850, 1701, 1417});
    const struct {
        const char *name;
        RichTextPageSize page;
        RECT sheet;
        MarginGuides guides;
    } cases[] = {
        // A4 at 300 dpi, the sheet starting before the printable area.
        {"portrait on portrait", a4, RECT{-50, -50, 2430, 3458}, MarginGuides{245, 2253, 186, 3104}},
        {"landscape on landscape", a4Landscape, RECT{0, 0, 3508, 2480}, MarginGuides{236, 3154, 177, 2185}},
        // Turned to the left: the page's top along the sheet's left edge, its left margin
        // along the sheet's bottom.
        {"landscape turned on portrait", a4Landscape, RECT{0, 0, 2480, 3508}, MarginGuides{177, 2185, 354, 3272}},
        {"a page stretched over a larger sheet", Page(1000, 2000, RECT{100, 200, 100, 200}), RECT{0, 0, 2000, 4000},
         MarginGuides{200, 1800, 400, 3600}},
    };
    for (const auto &c : cases) {
        const MarginGuides guides = MarginGuidesOnSheet(c.page, c.sheet);
        EXPECT_EQ(c.guides.left, guides.left) << c.name;
        EXPECT_EQ(c.guides.right, guides.right) << c.name;
        EXPECT_EQ(c.guides.top, guides.top) << c.name;
        EXPECT_EQ(c.guides.bottom, guides.bottom) << c.name;
    }
}

} // namespace
