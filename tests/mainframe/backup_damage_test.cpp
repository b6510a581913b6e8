// Backups whose every byte checks but whose names cannot all be written: device names, a name
// that is a file in one entry and a folder in another, or a folder that already holds the
// other kind. Each is refused before the first byte is written; damaged copies of a good
// backup restore whole or change nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/core/codepage.h"
#include "mainframe/tools/backup_restore.h"
#include "tests/support/damaged_copies.h"
#include "tests/support/test_folder.h"

namespace {

struct Backup {
    std::string bytes;

    Backup &Int32(int32_t value)
    {
        bytes.append(reinterpret_cast<const char *>(&value), 4);
        return *this;
    }
    Backup &Int64(int64_t value)
    {
        bytes.append(reinterpret_cast<const char *>(&value), 8);
        return *this;
    }
    Backup &Text(const std::string &text)
    {
        if (text.size() < 255) {
            bytes.push_back(static_cast<char>(text.size()));
        } else {
            bytes.push_back('\xFF');
            bytes.push_back(static_cast<char>(text.size() & 0xFF));
            bytes.push_back(static_cast<char>(text.size() >> 8));
        }
        bytes += text;
        return *this;
    }
    Backup(int32_t count) { Int32(1).Int64(1700000000).Text("opis").Int32(7).Int32(count); }
    Backup &File(const std::string &path, const std::string &content)
    {
        bytes.push_back(0);
        Text(path).Int64(static_cast<int64_t>(content.size()));
        bytes += content;
        return *this;
    }
    Backup &Folder(const std::string &path)
    {
        bytes.push_back(1);
        return Text(path);
    }
};

// Every name under the folder, depth first, with the bytes of each file.
std::string Contents(const CString &folder)
{
    std::string listed;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Cp1250ToWide(folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return listed;
    do {
        const CString name = WideToCp1250(found.cFileName);
        if (name == "." || name == "..")
            continue;
        const CString path = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            listed += std::string((LPCSTR)name) + "/{" + Contents(path) + "}";
        else
            listed += std::string((LPCSTR)name) + "=" + TestFolder::ReadBytes(path) + ";";
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return listed;
}

const auto kYes = [](int) { return true; };

TEST(BackupNames, DeviceNamesAreRefusedAtAnyLevel)
{
    for (const char *path : {"NUL", "con.txt", "a\\Com1", "lpt9.log", "a\\aux .dat\\b", "PRN", "conin$"})
        EXPECT_FALSE(IsSafeBackupPath(path)) << path;
    for (const char *path : {"console.txt", "nula.dat", "COM10", "a\\lpt", "con_a.txt"})
        EXPECT_TRUE(IsSafeBackupPath(path)) << path;
}

TEST(BackupNames, NamesThatCannotAllBeWrittenAreRefusedBeforeTheFirstByte)
{
    const struct {
        const char *what;
        std::string backup;
        const char *existing; // a file already in the target, "" none
        const char *message;
    } cases[] = {
        {"a device name", Backup(2).File("dobry.dat", "1").File("a\\con.txt", "2").bytes, "", "spoza katalogu"},
        {"a file where a folder must go", Backup(2).File("a", "1").File("a\\b.dat", "2").bytes, "",
         "o tej samej nazwie"},
        {"a folder and a file of one name", Backup(2).Folder("a").File("A", "2").bytes, "", "o tej samej nazwie"},
        {"a file in the target where a folder must go", Backup(2).File("dobry.dat", "1").File("x\\b.dat", "2").bytes,
         "x", "Nie można zapisać pliku"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder root;
        const CString target = root / "biezace";
        CreateDirectoryW(Cp1250ToWide(target).c_str(), nullptr);
        if (*c.existing)
            TestFolder::WriteBytes(target + "\\" + c.existing, "stary");
        const std::string before = Contents(target);
        TestFolder::WriteBytes(root / "kopia.bkp", c.backup);
        const BackupRestoreResult result = RestoreBackup(root / "kopia.bkp", target, kYes);
        EXPECT_FALSE(result.restored);
        EXPECT_NE(result.message.Find(c.message), -1) << (LPCSTR)result.message;
        EXPECT_NE(result.message.Find("Żaden plik nie został zmieniony."), -1) << (LPCSTR)result.message;
        EXPECT_EQ(Contents(target), before);
    }
}

TEST(BackupNames, APathLongerThanTheSystemTakesIsRefusedBeforeTheFirstByte)
{
    std::string path;
    while (path.size() < 592)
        path += "folder_postepowania\\";
    path += "plik.dat";
    TestFolder root;
    const CString target = root / "biezace";
    TestFolder::WriteBytes(root / "kopia.bkp", Backup(2).File("dobry.dat", "1").File(path, "treść").bytes);
    const BackupRestoreResult result = RestoreBackup(root / "kopia.bkp", target, kYes);
    EXPECT_FALSE(result.restored);
    EXPECT_NE(result.message.Find("za długa"), -1) << (LPCSTR)result.message;
    EXPECT_NE(result.message.Find("Żaden plik nie został zmieniony."), -1) << (LPCSTR)result.message;
    EXPECT_EQ(Contents(target), "");

    // A long path that still fits under the target is restored.
    std::string fits;
    while (fits.size() + target.GetLength() < 200)
        fits += "folder\\";
    fits += "plik.dat";
    TestFolder::WriteBytes(root / "kopia2.bkp", Backup(1).File(fits, "treść").bytes);
    EXPECT_TRUE(RestoreBackup(root / "kopia2.bkp", target, kYes).restored);
    EXPECT_EQ(TestFolder::ReadBytes(target + "\\" + fits.c_str()), "treść");
}

TEST(BackupNames, DamagedCopiesRestoreWholeOrChangeNothing)
{
    const std::string good = Backup(5)
                                 .Folder("Dostawa")
                                 .File("Dostawa\\Dostawa.dat", std::string(300, 'd'))
                                 .File("Dostawa\\Dostawa.baz", "rekord")
                                 .Folder("Roboty\\pusty")
                                 .File("stary.npn", "przetarg")
                                 .bytes;
    int restored = 0, refused = 0;
    for (const std::string &bytes : DamagedCopies(good, 300)) {
        TestFolder root;
        const CString target = root / "biezace";
        CreateDirectoryW(Cp1250ToWide(target).c_str(), nullptr);
        TestFolder::WriteBytes(target + "\\stary.npn", "poprzedni");
        const std::string before = Contents(target);
        TestFolder::WriteBytes(root / "kopia.bkp", bytes);
        const BackupRestoreResult result = RestoreBackup(root / "kopia.bkp", target, kYes);
        if (result.restored) {
            ++restored;
        } else {
            ++refused;
            ASSERT_FALSE(result.message.IsEmpty());
            ASSERT_EQ(Contents(target), before) << (LPCSTR)result.message;
        }
    }
    EXPECT_GT(restored, 0);
    EXPECT_GT(refused, 0);
    std::printf("damaged backups: %d restored whole, %d refused with nothing changed\n", restored, refused);
}

} // namespace
