// Damaged archives: a number cut short leaves the variable it was read into as it was, and a
// few bytes that name a large class again and again cannot make the reader create objects
// beyond a share of the file.
#include "framework/core/archive.h"
#include "framework/core/array.h"
#include "framework/core/memfile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

// A class as large as the comment table, to be named by damaged bytes.
class CLargeRecord : public CObject {
    DECLARE_SERIAL(CLargeRecord)
public:
    CLargeRecord() { ++Created(); }
    void Serialize(CArchive &) override {}
    static int &Created()
    {
        static int created = 0;
        return created;
    }
    char m_payload[1600000];
};
IMPLEMENT_SERIAL(CLargeRecord, CObject, 1)

namespace {

std::vector<BYTE> Bytes(const std::string &text)
{
    return std::vector<BYTE>(text.begin(), text.end());
}

template <typename Value>
int ReadCutShort(std::vector<BYTE> bytes, Value &value)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load, 128);
    try {
        ar >> value;
    } catch (CArchiveException *e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

TEST(ArchiveDamage, ANumberCutShortLeavesTheVariableAsItWas)
{
    int id = 3333;
    EXPECT_EQ(ReadCutShort(Bytes(std::string("\x67\x0D", 2)), id), CArchiveException::endOfFile);
    EXPECT_EQ(id, 3333);
    double amount = 12.5;
    EXPECT_EQ(ReadCutShort(Bytes(std::string(7, '\x11')), amount), CArchiveException::endOfFile);
    EXPECT_EQ(amount, 12.5);
    WORD count = 7;
    EXPECT_EQ(ReadCutShort(Bytes(std::string(1, '\x01')), count), CArchiveException::endOfFile);
    EXPECT_EQ(count, 7);
}

TEST(ArchiveDamage, ObjectsNamedByAFewBytesEachStayWithinAShareOfTheFile)
{
    // A count of 60000, the class once in full, then two bytes per further object of it.
    std::string bytes("\x60\xEA", 2);
    bytes += std::string("\xFF\xFF\x01\x00\x0C\x00", 6) + "CLargeRecord";
    for (int i = 1; i < 60000; ++i)
        bytes += std::string("\x01\x80", 2);
    std::vector<BYTE> file = Bytes(bytes);
    CMemFile memory(file.data(), static_cast<UINT>(file.size()));
    CArchive ar(&memory, CArchive::load);
    CObArray objects;
    CLargeRecord::Created() = 0;
    bool refused = false;
    try {
        objects.Serialize(ar);
    } catch (CArchiveException *e) {
        refused = e->m_cause == CArchiveException::badIndex;
        e->Delete();
    }
    EXPECT_TRUE(refused);
    const size_t allowed = 4 * 1024 * 1024 + 64 * bytes.size();
    EXPECT_LE(static_cast<size_t>(CLargeRecord::Created()) * sizeof(CLargeRecord), allowed);
    for (INT_PTR i = 0; i < objects.GetSize(); ++i)
        delete objects[i];
}

} // namespace
