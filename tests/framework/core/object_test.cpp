#include "framework/core/archive.h"
#include "framework/core/memfile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

// Stored classes live outside the anonymous namespace, as the program's own do.

// A record stored with class information, its schema fixed at 1.
class CTestRecord : public CObject {
    DECLARE_SERIAL(CTestRecord)
public:
    void Serialize(CArchive &ar) override
    {
        if (ar.IsStoring())
            ar << m_name << m_value;
        else
            ar >> m_name >> m_value;
    }
    CString m_name;
    int m_value = 0;
};
IMPLEMENT_SERIAL(CTestRecord, CObject, 1)

class CDerivedRecord : public CTestRecord {
    DECLARE_SERIAL(CDerivedRecord)
};
IMPLEMENT_SERIAL(CDerivedRecord, CTestRecord, 1)

// Reads every schema itself; schema 1 had no value.
class CVersionedRecord : public CObject {
    DECLARE_SERIAL(CVersionedRecord)
public:
    void Serialize(CArchive &ar) override
    {
        if (ar.IsStoring()) {
            ar << m_value;
        } else {
            m_loadedSchema = ar.GetObjectSchema();
            if (m_loadedSchema >= 2)
                ar >> m_value;
        }
    }
    int m_value = 0;
    UINT m_loadedSchema = 0;
};
IMPLEMENT_SERIAL(CVersionedRecord, CObject, VERSIONABLE_SCHEMA | 2)

class CNotSerial : public CObject {
    DECLARE_DYNCREATE(CNotSerial)
};
IMPLEMENT_DYNCREATE(CNotSerial, CObject)

namespace {

using Bytes = std::vector<BYTE>;

Bytes Store(const std::function<void(CArchive &)> &write)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    write(ar);
    ar.Close();
    const auto length = static_cast<size_t>(file.GetLength());
    BYTE *data = file.Detach();
    Bytes bytes(data, data + length);
    std::free(data);
    return bytes;
}

CObject *LoadObject(Bytes bytes, const CRuntimeClass *requested, int *cause = nullptr)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    try {
        return ar.ReadObject(requested);
    } catch (CArchiveException *e) {
        if (cause)
            *cause = e->m_cause;
        e->Delete();
    }
    return nullptr;
}

Bytes ClassHeader(int schema, const char *name)
{
    Bytes bytes = {
        0xFF, 0xFF, static_cast<BYTE>(schema), static_cast<BYTE>(schema >> 8), static_cast<BYTE>(strlen(name)), 0};
    for (const char *c = name; *c; ++c)
        bytes.push_back(static_cast<BYTE>(*c));
    return bytes;
}

TEST(RuntimeClassTest, KindsNamesAndCreation)
{
    CDerivedRecord derived;
    EXPECT_TRUE(derived.IsKindOf(RUNTIME_CLASS(CTestRecord)));
    EXPECT_TRUE(derived.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(CTestRecord().IsKindOf(RUNTIME_CLASS(CDerivedRecord)));
    EXPECT_STREQ("CDerivedRecord", derived.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(derived.IsSerializable());
    EXPECT_FALSE(CNotSerial().IsSerializable());

    CObject *created = CRuntimeClass::CreateObject("CNotSerial");
    ASSERT_NE(nullptr, created);
    EXPECT_TRUE(created->IsKindOf(RUNTIME_CLASS(CNotSerial)));
    delete created;
    EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("CNieMaTakiej"));
    EXPECT_EQ(RUNTIME_CLASS(CVersionedRecord), CRuntimeClass::FromName("CVersionedRecord"));
}

TEST(ObjectArchiveTest, ObjectsCarryClassTagsAndReferences)
{
    CTestRecord first;
    first.m_name = "ab";
    first.m_value = 7;
    CTestRecord second;
    const Bytes bytes =
        Store([&](CArchive &ar) { ar << &first << &second << &first << static_cast<CObject *>(nullptr); });
    Bytes expected = ClassHeader(1, "CTestRecord");               // class: index 1
    expected.insert(expected.end(), {2, 'a', 'b', 7, 0, 0, 0});   // object: index 2
    expected.insert(expected.end(), {0x01, 0x80, 0, 0, 0, 0, 0}); // known class 1, object 3
    expected.insert(expected.end(), {0x02, 0x00});                // object 2 again
    expected.insert(expected.end(), {0x00, 0x00});                // null
    EXPECT_EQ(expected, bytes);

    CMemFile file(const_cast<BYTE *>(bytes.data()), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    CTestRecord *a = nullptr;
    CTestRecord *b = nullptr;
    CTestRecord *again = nullptr;
    CObject *none = &first;
    ar >> a >> b >> again >> none;
    ASSERT_NE(nullptr, a);
    EXPECT_STREQ("ab", a->m_name);
    EXPECT_EQ(7, a->m_value);
    EXPECT_NE(a, b);
    EXPECT_EQ(a, again);
    EXPECT_EQ(nullptr, none);
    delete a;
    delete b;
}

TEST(ObjectArchiveTest, VersionableClassesSeeTheStoredSchema)
{
    Bytes bytes = ClassHeader(1, "CVersionedRecord");
    CObject *loaded = LoadObject(bytes, RUNTIME_CLASS(CVersionedRecord));
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(1u, static_cast<CVersionedRecord *>(loaded)->m_loadedSchema);
    delete loaded;

    CVersionedRecord current;
    current.m_value = 5;
    bytes = Store([&](CArchive &ar) { ar.WriteObject(&current); });
    EXPECT_EQ(2, bytes[2]); // the versionable flag is not stored
    loaded = LoadObject(bytes, RUNTIME_CLASS(CVersionedRecord));
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(2u, static_cast<CVersionedRecord *>(loaded)->m_loadedSchema);
    EXPECT_EQ(5, static_cast<CVersionedRecord *>(loaded)->m_value);
    delete loaded;
}

TEST(ObjectArchiveTest, NoSchemaWithoutAnObjectHeader)
{
    Bytes bytes = {9, 0, 0, 0};
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    EXPECT_EQ(static_cast<UINT>(-1), ar.GetObjectSchema());
    ar.SetObjectSchema(9);
    EXPECT_EQ(9u, ar.GetObjectSchema());
    EXPECT_EQ(static_cast<UINT>(-1), ar.GetObjectSchema());
}

struct BadObjectCase {
    const char *name;
    Bytes bytes;
    const CRuntimeClass *requested;
    int cause;
};

TEST(ObjectArchiveTest, DamagedObjectStreamsThrowTheirCause)
{
    auto withData = [](Bytes header) {
        header.insert(header.end(), {0, 1, 0, 0, 0});
        return header;
    };
    const BadObjectCase cases[] = {
        {"unknown class", withData(ClassHeader(1, "CNieznana")), nullptr, CArchiveException::badClass},
        {"class not of the wanted kind", withData(ClassHeader(1, "CTestRecord")), RUNTIME_CLASS(CVersionedRecord),
         CArchiveException::badClass},
        {"class that cannot be stored", withData(ClassHeader(0xFFFF, "CNotSerial")), nullptr,
         CArchiveException::badClass},
        {"schema the class does not take", withData(ClassHeader(2, "CTestRecord")), nullptr,
         CArchiveException::badSchema},
        {"reference to an unread object", Bytes{0x05, 0x00}, nullptr, CArchiveException::badIndex},
        {"reference to an unread class", Bytes{0x03, 0x80}, nullptr, CArchiveException::badIndex},
        {"big reference", Bytes{0xFF, 0x7F, 0x10, 0, 0, 0}, nullptr, CArchiveException::badIndex},
        {"class name longer than the file", Bytes{0xFF, 0xFF, 1, 0, 40, 0, 'C'}, nullptr, CArchiveException::endOfFile},
        {"object data cut", ClassHeader(1, "CTestRecord"), nullptr, CArchiveException::endOfFile},
        {"tag cut", Bytes{0xFF}, nullptr, CArchiveException::endOfFile},
    };
    for (const auto &c : cases) {
        int cause = -1;
        CObject *loaded = LoadObject(c.bytes, c.requested, &cause);
        EXPECT_EQ(nullptr, loaded) << c.name;
        EXPECT_EQ(c.cause, cause) << c.name;
        delete loaded;
    }
}

TEST(ObjectArchiveTest, ObjectsWithoutRunTimeInformationCannotBeWritten)
{
    CNotSerial object;
    int cause = -1;
    try {
        Store([&](CArchive &ar) { ar.WriteObject(&object); });
    } catch (CArchiveException *e) {
        cause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(CArchiveException::badClass, cause);
}

} // namespace
