#include "framework/core/array.h"
#include "framework/core/list.h"
#include "framework/core/map.h"
#include "framework/core/memfile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

// Two strings per element, as list-editor rows are stored.
struct TestPair {
    CString first;
    CString second;
    bool operator==(const TestPair &other) const { return first == other.first && second == other.second; }
};
CArchive &operator<<(CArchive &ar, const TestPair &pair)
{
    return ar << pair.first << pair.second;
}
CArchive &operator>>(CArchive &ar, TestPair &pair)
{
    return ar >> pair.first >> pair.second;
}

namespace {

using Bytes = std::vector<BYTE>;

Bytes Store(CObject &collection)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    collection.Serialize(ar);
    ar.Close();
    const auto length = static_cast<size_t>(file.GetLength());
    BYTE *data = file.Detach();
    Bytes bytes(data, data + length);
    std::free(data);
    return bytes;
}

// The archive cause, or -1 when loading succeeded.
int Load(Bytes bytes, CObject &collection)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    try {
        collection.Serialize(ar);
    } catch (CArchiveException *e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

bool ThrowsInvalidArg(const std::function<void()> &action)
{
    try {
        action();
    } catch (CInvalidArgException *e) {
        e->Delete();
        return true;
    }
    return false;
}

std::string Joined(const CStringArray &array)
{
    std::string text;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        text += std::string(array[i]) + ",";
    return text;
}

TEST(ArrayTest, GrowsInsertsAndRemovesAsTheLibraryDoes)
{
    CStringArray array;
    EXPECT_EQ(0, array.Add("a"));
    EXPECT_EQ(1, array.Add("b"));
    array.InsertAt(0, "x", 2);
    EXPECT_EQ("x,x,a,b,", Joined(array));
    array.InsertAt(6, "z"); // past the end: the gap is filled with empty strings
    EXPECT_EQ("x,x,a,b,,,z,", Joined(array));
    array.RemoveAt(1, 3);
    EXPECT_EQ("x,,,z,", Joined(array));
    array.SetAtGrow(5, array[0]);
    EXPECT_EQ("x,,,z,,x,", Joined(array));
    array.SetSize(2);
    EXPECT_EQ("x,,", Joined(array));
    EXPECT_EQ(1, array.GetUpperBound());

    CDWordArray numbers;
    numbers.SetSize(3);
    EXPECT_EQ(0u, numbers[2]); // new elements are zero
}

TEST(ArrayTest, IndexesOutsideTheArrayThrow)
{
    CUIntArray array;
    array.Add(1);
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.GetAt(1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array[-1] = 2; }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.RemoveAt(0, 2); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { array.SetSize(-1); }));
    EXPECT_FALSE(ThrowsInvalidArg([&] { array.RemoveAt(0, 1); }));
    EXPECT_TRUE(array.IsEmpty());
}

TEST(ArrayTest, StoredFormIsCountThenElements)
{
    CStringArray strings;
    strings.Add("ab");
    strings.Add("");
    EXPECT_EQ((Bytes{2, 0, 2, 'a', 'b', 0}), Store(strings));
    CStringArray loaded;
    EXPECT_EQ(-1, Load(Store(strings), loaded));
    EXPECT_EQ("ab,,", Joined(loaded));

    CDWordArray numbers;
    numbers.Add(0x01020304);
    EXPECT_EQ((Bytes{1, 0, 4, 3, 2, 1}), Store(numbers));

    CWordArray many;
    many.SetSize(70000);
    const Bytes bytes = Store(many);
    EXPECT_EQ((Bytes{0xFF, 0xFF, 0x70, 0x11, 1, 0}), Bytes(bytes.begin(), bytes.begin() + 6));
    CWordArray manyLoaded;
    EXPECT_EQ(-1, Load(bytes, manyLoaded));
    EXPECT_EQ(70000, manyLoaded.GetSize());
}

TEST(ArrayTest, ACountLargerThanTheFileIsRefusedBeforeAllocating)
{
    CDWordArray numbers;
    numbers.Add(5);
    // 0xFFFF then 0xFFFFFFFE elements of four bytes claimed, eight bytes present.
    EXPECT_EQ(CArchiveException::endOfFile,
              Load(Bytes{0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8}, numbers));
    EXPECT_EQ(1, numbers.GetSize()); // a failed load leaves the array as it was
    CStringArray strings;
    EXPECT_EQ(CArchiveException::endOfFile, Load(Bytes{3, 0, 1, 'a', 0}, strings));
    EXPECT_TRUE(strings.IsEmpty());
}

TEST(ListTest, PositionsWalkInsertAndRemove)
{
    CStringList list;
    list.AddTail("b");
    list.AddHead("a");
    const POSITION c = list.AddTail("c");
    list.InsertBefore(c, "b2");
    list.InsertAfter(c, "d");
    std::string forward;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        forward += std::string(list.GetNext(pos));
    EXPECT_EQ("abb2cd", forward);
    std::string backward;
    for (POSITION pos = list.GetTailPosition(); pos;)
        backward += std::string(list.GetPrev(pos));
    EXPECT_EQ("dcb2ba", backward);

    EXPECT_EQ(c, list.Find("c"));
    EXPECT_EQ(nullptr, list.Find("a", list.GetHeadPosition()));
    EXPECT_EQ(c, list.FindIndex(3));
    EXPECT_EQ(nullptr, list.FindIndex(5));
    list.RemoveAt(c);
    EXPECT_STREQ("a", list.RemoveHead());
    EXPECT_STREQ("d", list.RemoveTail());
    EXPECT_EQ(2, list.GetCount());
    list.AddTail(&list);
    EXPECT_EQ(4, list.GetCount());
    EXPECT_STREQ("b2", list.GetTail());
    list.RemoveAll();
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveHead(); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetTail(); }));
}

TEST(ListTest, PairListsAreStoredTwoStringsPerElement)
{
    CList<TestPair, const TestPair &> pairs;
    pairs.AddTail(TestPair{"x", "1"});
    pairs.AddTail(TestPair{"", "yz"});
    const Bytes bytes = Store(pairs);
    EXPECT_EQ((Bytes{2, 0, 1, 'x', 1, '1', 0, 2, 'y', 'z'}), bytes);
    CList<TestPair, const TestPair &> loaded;
    EXPECT_EQ(-1, Load(bytes, loaded));
    ASSERT_EQ(2, loaded.GetCount());
    EXPECT_TRUE(loaded.GetTail() == (TestPair{"", "yz"}));
    CList<TestPair, const TestPair &> cut;
    EXPECT_EQ(CArchiveException::endOfFile, Load(Bytes(bytes.begin(), bytes.end() - 1), cut));
}

TEST(MapTest, LookupSetRemoveAndWalk)
{
    CMapStringToString map;
    map.SetAt("klucz", "wartość");
    map["drugi"] = "2";
    map["klucz"] = "nowa";
    CString value;
    ASSERT_TRUE(map.Lookup("klucz", value));
    EXPECT_STREQ("nowa", value);
    EXPECT_FALSE(map.Lookup("brak", value));
    EXPECT_EQ(2, map.GetCount());

    for (int i = 0; i < 100; ++i)
        map[CString(std::to_string(i).c_str())] = "n";
    std::map<std::string, std::string> walked;
    CString key;
    for (POSITION pos = map.GetStartPosition(); pos;) {
        map.GetNextAssoc(pos, key, value);
        walked[std::string(key)] = std::string(value);
    }
    EXPECT_EQ(102u, walked.size());
    EXPECT_EQ("2", walked["drugi"]);

    EXPECT_TRUE(map.RemoveKey("drugi"));
    EXPECT_FALSE(map.RemoveKey("drugi"));
    EXPECT_EQ(101, map.GetCount());
    map.RemoveAll();
    EXPECT_EQ(nullptr, map.GetStartPosition());

    CMap<int, int, int, int> numbers;
    numbers[-3] = 9;
    int found = 0;
    EXPECT_TRUE(numbers.Lookup(-3, found));
    EXPECT_EQ(9, found);
}

} // namespace
