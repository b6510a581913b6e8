#include "framework/core/archive.h"
#include "framework/core/memfile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

Bytes Store(const std::function<void(CArchive &)> &write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    const auto length = static_cast<size_t>(file.GetLength());
    BYTE *data = file.Detach();
    Bytes bytes(data, data + length);
    std::free(data);
    return bytes;
}

// Loads from a copy of the bytes; the archive's buffer is smaller than some values, so reads
// that straddle a refill are exercised too.
void Load(Bytes bytes, const std::function<void(CArchive &)> &read)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load, 128);
    read(ar);
}

Bytes Prefix(std::initializer_list<int> head, size_t fill = 0, BYTE fillByte = 'x')
{
    Bytes bytes;
    for (int b : head)
        bytes.push_back(static_cast<BYTE>(b));
    bytes.insert(bytes.end(), fill, fillByte);
    return bytes;
}

int ArchiveCause(const std::function<void()> &action)
{
    try {
        action();
    } catch (CArchiveException *e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    } catch (CException *e) {
        e->Delete();
        return -100;
    }
    return -1;
}

struct ValueCase {
    const char *name;
    std::function<void(CArchive &)> write;
    Bytes expected;
};

TEST(ArchiveBytesTest, ValuesAreStoredInTheirFixedLayouts)
{
    const ValueCase cases[] = {
        {"int -2", [](CArchive &ar) { ar << -2; }, Prefix({0xFE, 0xFF, 0xFF, 0xFF})},
        {"int 9", [](CArchive &ar) { ar << 9; }, Prefix({9, 0, 0, 0})},
        {"LONG", [](CArchive &ar) { ar << LONG(0x01020304); }, Prefix({4, 3, 2, 1})},
        {"DWORD", [](CArchive &ar) { ar << DWORD(0xA0B0C0D0); }, Prefix({0xD0, 0xC0, 0xB0, 0xA0})},
        {"WORD", [](CArchive &ar) { ar << WORD(0x1234); }, Prefix({0x34, 0x12})},
        {"BYTE", [](CArchive &ar) { ar << BYTE(0xAB); }, Prefix({0xAB})},
        {"LONGLONG", [](CArchive &ar) { ar << LONGLONG(-1); }, Bytes(8, 0xFF)},
        {"double 1.5", [](CArchive &ar) { ar << 1.5; }, Prefix({0, 0, 0, 0, 0, 0, 0xF8, 0x3F})},
        {"double -0.1", [](CArchive &ar) { ar << -0.1; }, Prefix({0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0xBF})},
        {"float 1", [](CArchive &ar) { ar << 1.0f; }, Prefix({0, 0, 0x80, 0x3F})},
        {"time 64", [](CArchive &ar) { ar << CTime(0x123456789LL); }, Prefix({0x89, 0x67, 0x45, 0x23, 1, 0, 0, 0})},
        {"time 32 keeps the low bits", [](CArchive &ar) { ar.WriteTime32(CTime(0x123456789LL)); },
         Prefix({0x89, 0x67, 0x45, 0x23})},
        {"string empty", [](CArchive &ar) { ar << CString(); }, Prefix({0})},
        {"string ż", [](CArchive &ar) { ar << CString("ż"); }, Prefix({1, 0xBF})},
        {"string 254", [](CArchive &ar) { ar << CString('x', 254); }, Prefix({254}, 254)},
        {"string 255", [](CArchive &ar) { ar << CString('x', 255); }, Prefix({0xFF, 0xFF, 0x00}, 255)},
        {"string 65533", [](CArchive &ar) { ar << CString('x', 65533); }, Prefix({0xFF, 0xFD, 0xFF}, 65533)},
        {"string 65534", [](CArchive &ar) { ar << CString('x', 65534); },
         Prefix({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0}, 65534)},
        {"string 70000", [](CArchive &ar) { ar << CString('x', 70000); },
         Prefix({0xFF, 0xFF, 0xFF, 0x70, 0x11, 1, 0}, 70000)},
        {"count 3", [](CArchive &ar) { ar.WriteCount(3); }, Prefix({3, 0})},
        {"count 65535", [](CArchive &ar) { ar.WriteCount(65535); }, Prefix({0xFF, 0xFF, 0xFF, 0xFF, 0, 0})},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, Store(c.write)) << c.name;
}

TEST(ArchiveBytesTest, ValuesRoundTrip)
{
    const CString lengths[] = {CString(),           CString("zażółć"),   CString('a', 254),   CString('b', 255),
                               CString('c', 65533), CString('d', 65534), CString('e', 100000)};
    const Bytes bytes = Store([&](CArchive &ar) {
        for (const auto &s : lengths)
            ar << s;
        ar << 123 << -7.25 << CTime(1700000000) << WORD(65535) << LONGLONG(1) << 'q';
        ar.WriteTime32(CTime(0xF0000000LL));
    });
    Load(bytes, [&](CArchive &ar) {
        for (const auto &expected : lengths) {
            CString s;
            ar >> s;
            EXPECT_EQ(expected, s) << expected.GetLength();
        }
        int i;
        double d;
        CTime t;
        WORD w;
        LONGLONG ll;
        char c;
        ar >> i >> d >> t >> w >> ll >> c;
        EXPECT_EQ(123, i);
        EXPECT_EQ(-7.25, d);
        EXPECT_EQ(1700000000, t.GetTime());
        EXPECT_EQ(65535, w);
        EXPECT_EQ(1, ll);
        EXPECT_EQ('q', c);
        EXPECT_EQ(0xF0000000LL, ar.ReadTime32().GetTime());
    });
}

TEST(ArchiveBytesTest, Time32IsReadUnsignedSoDatesAfter2038Survive)
{
    Load(Prefix({0xFF, 0xFF, 0xFF, 0x80}), [](CArchive &ar) { EXPECT_EQ(0x80FFFFFFLL, ar.ReadTime32().GetTime()); });
}

TEST(ArchiveBytesTest, Utf16StringsAreReadAsCp1250)
{
    // "Łódź" as UTF-16LE, short and with a 16-bit length; then a character outside 1250.
    Bytes bytes = Prefix({0xFF, 0xFE, 0xFF, 4, 0x41, 0x01, 0xF3, 0x00, 0x64, 0x00, 0x7A, 0x01});
    const Bytes medium = Prefix({0xFF, 0xFE, 0xFF, 0xFF, 0x02, 0x01}, 0);
    bytes.insert(bytes.end(), medium.begin(), medium.end());
    for (int i = 0; i < 0x102; ++i) {
        bytes.push_back('a');
        bytes.push_back(0);
    }
    const Bytes foreign = Prefix({0xFF, 0xFE, 0xFF, 1, 0x2D, 0x4E});
    bytes.insert(bytes.end(), foreign.begin(), foreign.end());
    Load(bytes, [](CArchive &ar) {
        CString a, b, c;
        ar >> a >> b >> c;
        EXPECT_STREQ("Łódź", a);
        EXPECT_EQ(CString('a', 0x102), b);
        EXPECT_STREQ("?", c);
    });
}

struct DamagedCase {
    const char *name;
    Bytes bytes;
    std::function<void(CArchive &)> read;
};

TEST(ArchiveBytesTest, TruncatedOrLyingInputThrowsEndOfFile)
{
    auto readString = [](CArchive &ar) {
        CString s;
        ar >> s;
    };
    auto readInt = [](CArchive &ar) {
        int i;
        ar >> i;
    };
    const DamagedCase cases[] = {
        {"empty file, int", {}, readInt},
        {"three bytes, int", Prefix({1, 2, 3}), readInt},
        {"double", Prefix({0, 0, 0, 0, 0, 0, 0}),
         [](CArchive &ar) {
             double d;
             ar >> d;
         }},
        {"string claims 5, has 4", Prefix({5}, 4), readString},
        {"string 16-bit length cut", Prefix({0xFF, 0x10}), readString},
        {"string claims 300, has 299", Prefix({0xFF, 0x2C, 0x01}, 299), readString},
        {"string claims 4 GB", Prefix({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF}, 10), readString},
        {"string claims 2^64-1",
         Prefix({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
         readString},
        {"utf-16 claims 3 characters, has 5 bytes", Prefix({0xFF, 0xFE, 0xFF, 3}, 5), readString},
        {"count cut", Prefix({0xFF, 0xFF, 1}), [](CArchive &ar) { ar.ReadCount(); }},
        {"remaining check", Prefix({}, 10), [](CArchive &ar) { ar.CheckRemaining(11); }},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(CArchiveException::endOfFile, ArchiveCause([&] { Load(c.bytes, c.read); })) << c.name;
    }
}

TEST(ArchiveBytesTest, RawReadStopsAtTheEndAndDirectionIsEnforced)
{
    Load(Prefix({1, 2, 3}), [](CArchive &ar) {
        BYTE buffer[8] = {};
        EXPECT_EQ(3u, ar.Read(buffer, sizeof buffer));
        EXPECT_EQ(3, buffer[2]);
        // A loading archive is read-only, a storing one write-only.
        EXPECT_EQ(CArchiveException::readOnly, ArchiveCause([&] { ar << 1; }));
    });
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    EXPECT_EQ(CArchiveException::writeOnly, ArchiveCause([&] {
                  int i;
                  ar >> i;
              }));
}

TEST(ArchiveBytesTest, FlushOfALoadingArchivePutsTheFileAtTheArchivePosition)
{
    Bytes bytes = Prefix({7, 0, 0, 0, 9});
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    int i;
    ar >> i;
    ar.Flush();
    EXPECT_EQ(4u, file.GetPosition());
}

} // namespace
