#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "model/little_endian_reader.h"

TEST(LittleEndianReader, Int32FromTheBytesOrFailsWhereFewerRemain)
{
    const struct {
        std::string bytes;
        bool read;
        int32_t value;
        size_t remainingAfter;
    } cases[] = {
        {std::string("\x01\x02\x03\x04", 4), true, 0x04030201, 0},
        {std::string("\xFF\xFF\xFF\xFF", 4), true, -1, 0},
        {std::string("\0\0\0\x80", 4), true, INT32_MIN, 0},
        {std::string("\x2A\0\0\0\x07", 5), true, 42, 1},
        {std::string("\x01\x02\x03", 3), false, 0, 3},
        {std::string(), false, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.bytes.size() << " bytes, expecting " << c.value);
        LittleEndianReader reader(c.bytes);
        int32_t value = 0;
        EXPECT_EQ(c.read, reader.ReadInt32(value));
        EXPECT_EQ(c.value, value);
        EXPECT_EQ(c.remainingAfter, reader.Remaining());
        EXPECT_EQ(c.remainingAfter == 0, reader.AtEnd());
    }
}

// A count from a damaged file may be negative or far beyond the buffer: it fails and the
// cursor stays, so the next field is still read from where it was.
TEST(LittleEndianReader, BytesAndSkipsStayInsideTheBuffer)
{
    const std::string bytes = "abcdef";
    const struct {
        int64_t count;
        bool read;
        const char *taken;
        size_t remainingAfter;
    } cases[] = {
        {0, true, "", 6},   {2, true, "ab", 4},        {6, true, "abcdef", 0},    {7, false, "", 6},
        {-1, false, "", 6}, {INT64_MAX, false, "", 6}, {INT64_MIN, false, "", 6},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "count " << c.count);
        LittleEndianReader reader(bytes);
        std::string taken;
        EXPECT_EQ(c.read, reader.ReadBytes(c.count, taken));
        EXPECT_EQ(c.taken, taken);
        EXPECT_EQ(c.remainingAfter, reader.Remaining());

        LittleEndianReader skipping(bytes);
        EXPECT_EQ(c.read, skipping.Skip(c.count));
        EXPECT_EQ(c.remainingAfter, skipping.Remaining());
    }
}

// A length-prefixed text is read whole or not at all: a length that is negative or lies about
// the buffer leaves the cursor before the length.
TEST(LittleEndianReader, StringsAreReadWholeOrNotAtAll)
{
    const struct {
        std::string bytes;
        bool read;
        const char *text;
        size_t remainingAfter;
    } cases[] = {
        {std::string("\x03\0\0\0abc", 7), true, "abc", 0},
        {std::string("\0\0\0\0x", 5), true, "", 1},
        {std::string("\x03\0\0\0ab", 6), false, "", 6},
        {std::string("\xFF\xFF\xFF\xFF"
                     "ab",
                     6),
         false, "", 6},
        {std::string("\xFF\xFF\xFF\x7F", 4), false, "", 4},
        {std::string("\x01\0\0", 3), false, "", 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.bytes.size() << " bytes, expecting \"" << c.text << "\"");
        LittleEndianReader reader(c.bytes);
        std::string text;
        EXPECT_EQ(c.read, reader.ReadString(text));
        EXPECT_EQ(c.text, text);
        EXPECT_EQ(c.remainingAfter, reader.Remaining());
    }
}

TEST(LittleEndianReader, FieldsFollowEachOtherUpToTheExactEnd)
{
    // A length-prefixed text, then a number, then a text whose length lies about the buffer.
    const std::string bytes("\x03\0\0\0xyz\xFE\xFF\xFF\xFF\x09\0\0\0ab", 17);
    LittleEndianReader reader(bytes.data(), bytes.size());
    int32_t length = 0, number = 0;
    std::string text;
    ASSERT_TRUE(reader.ReadInt32(length));
    ASSERT_TRUE(reader.ReadBytes(length, text));
    EXPECT_EQ("xyz", text);
    ASSERT_TRUE(reader.ReadInt32(number));
    EXPECT_EQ(-2, number);
    ASSERT_TRUE(reader.ReadInt32(length));
    EXPECT_FALSE(reader.ReadBytes(length, text));
    EXPECT_EQ(2u, reader.Remaining());
    EXPECT_FALSE(reader.ReadInt32(number));
    ASSERT_TRUE(reader.ReadBytes(2, text));
    EXPECT_EQ("ab", text);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(reader.Skip(1));
}
