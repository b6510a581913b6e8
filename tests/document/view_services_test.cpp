#include <gtest/gtest.h>

#include <memory>

#include "model/comment_table.h"
#include "document/view/view_services.h"

TEST(ViewServices, CommentTextByIdFirstEntryWins)
{
    auto comments = std::make_unique<CKomentarz2>();
    comments->m_nCount = 3;
    comments->m_entries[0] = {"pierwszy", 7};
    comments->m_entries[1] = {"drugi", 9};
    comments->m_entries[2] = {"powtórzony", 7};
    comments->m_entries[3] = {"poza liczbą", 11};
    EXPECT_STREQ("pierwszy", GetCommentText(comments.get(), 7));
    EXPECT_STREQ("drugi", GetCommentText(comments.get(), 9));
    EXPECT_STREQ("", GetCommentText(comments.get(), 11));
    EXPECT_STREQ("", GetCommentText(nullptr, 7));
}

TEST(ViewServices, MultipartLayoutEnabled)
{
    struct Case {
        int code, parts;
        bool enabled;
    };
    const Case cases[] = {
        {107, 2, true}, {104, 2, false}, {107, -1, false}, {0, 0, true},   {3, 1, true},
        {9, 1, true},   {10, 1, false},  {-7, 2, false},   {200, 5, true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.enabled, IsMultipartLayoutEnabled(c.code, c.parts)) << c.code << " " << c.parts;
}
