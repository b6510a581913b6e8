#include "framework/shell/rich_text_document.h"

#include <gtest/gtest.h>

TEST(RtfReaderTest, Smoke) {
    EXPECT_EQ(L"a\n", RichTextDocument::FromRtf("{\\rtf1 a\\par}").PlainText());
}
