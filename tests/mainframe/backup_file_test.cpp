// Backup files: the header's bytes, packing a folder and restoring it, and the backups that
// must be refused without a single file changed.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/archive.h"
#include "framework/core/file.h"
#include "framework/core/codepage.h"
#include "framework/ui/testhook.h"
#include "mainframe/tools/backup_header.h"
#include "mainframe/tools/backup_pack.h"
#include "mainframe/tools/backup_program.h"
#include "mainframe/tools/backup_restore.h"
#include "tests/support/test_folder.h"

namespace {

// Little-endian bytes of a backup file, written here independently of the program's writer.
struct BackupBytes {
    std::string bytes;

    BackupBytes &Int32(int32_t value)
    {
        bytes.append(reinterpret_cast<const char *>(&value), 4);
        return *this;
    }
    BackupBytes &Int64(int64_t value)
    {
        bytes.append(reinterpret_cast<const char *>(&value), 8);
        return *this;
    }
    BackupBytes &Byte(uint8_t value)
    {
        bytes.push_back(static_cast<char>(value));
        return *this;
    }
    BackupBytes &Text(const std::string &text) // short archive string
    {
        Byte(static_cast<uint8_t>(text.size()));
        bytes += text;
        return *this;
    }
    BackupBytes &Header(int32_t version = 1) { return Int32(version).Int64(1700000000).Text("opis").Int32(7); }
    BackupBytes &File(const std::string &path, const std::string &content)
    {
        Byte(0).Text(path).Int64(static_cast<int64_t>(content.size()));
        bytes += content;
        return *this;
    }
    BackupBytes &Folder(const std::string &path) { return Byte(1).Text(path); }
};

void MakeFolder(const CString &path)
{
    ::CreateDirectoryW(Cp1250ToWide(path).c_str(), nullptr);
}

// A current-proceedings folder: two proceedings, an empty folder, binary and empty files.
void FillProceedings(const TestFolder &root, const CString &working)
{
    MakeFolder(working);
    MakeFolder(working + "\\Dostawa tonerów");
    MakeFolder(working + "\\Roboty drogowe");
    MakeFolder(working + "\\pusty");
    std::string binary;
    for (int i = 0; i < 300000; ++i)
        binary.push_back(static_cast<char>((i * 7) % 256));
    root.WriteBytes(working + "\\Dostawa tonerów\\Dostawa tonerów.dat", binary);
    root.WriteBytes(working + "\\Dostawa tonerów\\Dostawa tonerów.baz", std::string("\x01\x00\xff zażółć", 12));
    root.WriteBytes(working + "\\Roboty drogowe\\spec.dat", "");
    root.WriteBytes(working + "\\stary.npn", "przetarg");
}

// Every file and folder under the folder as sorted "path=bytes" lines (folders end in "/").
void CollectLines(const CString &folder, const CString &relative, std::vector<std::string> &lines)
{
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW(Cp1250ToWide(folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const CString name = WideToCp1250(found.cFileName);
        if (name == "." || name == "..")
            continue;
        const CString path = folder + "\\" + name;
        const CString shown = relative + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            lines.push_back(std::string((LPCSTR)shown) + "/");
            CollectLines(path, shown, lines);
        } else {
            lines.push_back(std::string((LPCSTR)shown) + "=" + TestFolder::ReadBytes(path));
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

std::string Snapshot(const CString &folder)
{
    std::vector<std::string> lines;
    CollectLines(folder, "", lines);
    std::sort(lines.begin(), lines.end());
    std::string joined;
    for (const std::string &line : lines)
        joined += line + "\n";
    return joined;
}

// The names directly inside the folder, sorted, joined by "|".
std::string Names(const CString &folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW(Cp1250ToWide(folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const CString name = WideToCp1250(found.cFileName);
            if (name != "." && name != "..")
                names.push_back((LPCSTR)name);
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const std::string &name : names)
        joined += (joined.empty() ? "" : "|") + name;
    return joined;
}

const auto kNeverAsked = [](int) {
    ADD_FAILURE() << "no file should be overwritten";
    return false;
};

TEST(BackupHeader, StoredBytesFollowTheArchiveLayoutAndReadBack)
{
    TestFolder root;
    const std::string longText(300, 'x');
    for (const std::string &description : {std::string("Kopia zażółć"), longText}) {
        const CString path = root / "naglowek.bkp";
        {
            CFile file(path, CFile::modeCreate | CFile::modeWrite);
            CArchive ar(&file, CArchive::store);
            CBackupHeader header;
            header.m_description = description.c_str();
            header.m_extra = -5;
            header.Serialize(ar);
            ar.Close();
        }
        const std::string bytes = TestFolder::ReadBytes(path);
        const int lengthBytes = description.size() < 255 ? 1 : 3;
        ASSERT_EQ(bytes.size(), 4u + 8u + lengthBytes + description.size() + 4u);
        EXPECT_EQ(bytes.substr(0, 4), std::string("\x01\x00\x00\x00", 4));
        const std::string length =
            lengthBytes == 1 ? std::string(1, static_cast<char>(description.size())) : std::string("\xff\x2c\x01", 3);
        EXPECT_EQ(bytes.substr(12, lengthBytes), length);
        EXPECT_EQ(bytes.substr(bytes.size() - 4), std::string("\xfb\xff\xff\xff", 4));

        CBackupHeader read;
        ASSERT_EQ(ReadBackupHeader(path, read), BackupHeaderStatus::Read);
        EXPECT_EQ(read.m_description, CString(description.c_str()));
        EXPECT_EQ(read.m_extra, -5);
        EXPECT_LE(CTime::GetCurrentTime().GetTime() - read.m_time.GetTime(), 60);
    }
}

TEST(BackupHeader, NewerDamagedAndMissingFilesAreToldApart)
{
    TestFolder root;
    const std::string good = BackupBytes().Header().bytes;
    const struct {
        const char *name;
        std::string bytes;
        BackupHeaderStatus status;
    } cases[] = {
        {"wersja0.bkp", BackupBytes().Header(0).bytes, BackupHeaderStatus::Read},
        {"wersja2.bkp", BackupBytes().Header(2).bytes, BackupHeaderStatus::UnsupportedVersion},
        {"ujemna.bkp", BackupBytes().Header(-1).bytes, BackupHeaderStatus::Damaged},
        {"obciety.bkp", good.substr(0, good.size() - 1), BackupHeaderStatus::Damaged},
        {"pusty.bkp", "", BackupHeaderStatus::Damaged},
    };
    for (const auto &c : cases) {
        TestFolder::WriteBytes(root / c.name, c.bytes);
        CBackupHeader header;
        EXPECT_EQ(ReadBackupHeader(root / c.name, header), c.status) << c.name;
        if (c.status != BackupHeaderStatus::Read) {
            EXPECT_EQ(header.m_time.GetTime(), 0) << c.name;
            EXPECT_TRUE(header.m_description.IsEmpty()) << c.name;
        }
    }
    CBackupHeader header;
    EXPECT_EQ(ReadBackupHeader(root / "brak.bkp", header), BackupHeaderStatus::CannotOpen);
}

TEST(BackupFile, PackedFolderRestoresByteIdentical)
{
    TestFolder root;
    const CString working = root / "biezace";
    FillProceedings(root, working);
    const std::string before = Snapshot(working);

    const BackupPackResult packed = PackFolder(working, root / "kopie", "Kopia testowa");
    ASSERT_TRUE(packed.packed) << (LPCSTR)packed.message;
    EXPECT_EQ(packed.files, 4);
    CBackupHeader header;
    ASSERT_EQ(ReadBackupHeader(packed.backupPath, header), BackupHeaderStatus::Read);
    EXPECT_EQ(header.m_description, "Kopia testowa");
    EXPECT_EQ(Names(root.Path()), "biezace|kopie");

    const CString restoredFolder = root / "odtworzone";
    const BackupRestoreResult restored = RestoreBackup(packed.backupPath, restoredFolder, kNeverAsked);
    ASSERT_TRUE(restored.restored) << (LPCSTR)restored.message;
    EXPECT_EQ(restored.files, 4);
    EXPECT_EQ(Snapshot(restoredFolder), before);
}

TEST(BackupFile, BackupFolderInsideThePackedFolderIsLeftOut)
{
    TestFolder root;
    const CString working = root / "biezace";
    FillProceedings(root, working);
    const std::string before = Snapshot(working);
    const BackupPackResult first = PackFolder(working, working + "\\backup", "1");
    const BackupPackResult second = PackFolder(working, working + "\\backup", "2");
    ASSERT_TRUE(first.packed && second.packed);
    EXPECT_NE(first.backupPath, second.backupPath);

    const CString restoredFolder = root / "odtworzone";
    ASSERT_TRUE(RestoreBackup(second.backupPath, restoredFolder, kNeverAsked).restored);
    EXPECT_EQ(Snapshot(restoredFolder), before);
}

TEST(BackupFile, UnreadableFileFailsTheWholeBackup)
{
    TestFolder root;
    const CString working = root / "biezace";
    FillProceedings(root, working);
    HANDLE locked = ::CreateFileW(Cp1250ToWide(working + "\\stary.npn").c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    const BackupPackResult packed = PackFolder(working, root / "kopie", "");
    ::CloseHandle(locked);
    EXPECT_FALSE(packed.packed);
    EXPECT_NE(packed.message.Find("stary.npn"), -1);
    EXPECT_EQ(Snapshot(root / "kopie"), "");
}

TEST(BackupFile, MissingFolderIsNotPacked)
{
    TestFolder root;
    const BackupPackResult packed = PackFolder(root / "brak", root / "kopie", "");
    EXPECT_FALSE(packed.packed);
    EXPECT_EQ(packed.message, "Nie znaleziono katalogu bieżących postępowań:\n" + (root / "brak"));
}

TEST(BackupFile, DamagedOrCutBackupChangesNothing)
{
    const std::string whole = BackupBytes().Header().Int32(2).Folder("a").File("a\\x.dat", "nowa treść").bytes;
    const struct {
        const char *what;
        std::string bytes;
    } cases[] = {
        {"cut in the count", whole.substr(0, 22)},
        {"cut in a size", whole.substr(0, whole.size() - 16)},
        {"cut in the content", whole.substr(0, whole.size() - 1)},
        {"bytes after the last entry", whole + "z"},
        {"count beyond the file", BackupBytes().Header().Int32(1000000).Folder("a").bytes},
        {"negative count", BackupBytes().Header().Int32(-1).bytes},
        {"size beyond the file",
         BackupBytes().Header().Int32(1).Byte(0).Text("x.dat").Int64(INT64_C(0x7fffffffffffffff)).bytes},
        {"unknown kind", BackupBytes().Header().Int32(1).Byte(9).Text("x.dat").bytes},
        {"newer version", BackupBytes().Header(2).Int32(0).bytes},
    };
    for (const auto &c : cases) {
        TestFolder root;
        const CString target = root / "biezace";
        MakeFolder(target);
        MakeFolder(target + "\\a");
        root.WriteBytes(target + "\\a\\x.dat", "stara treść");
        const std::string before = Snapshot(target);
        root.WriteBytes(root / "kopia.bkp", c.bytes);

        bool asked = false;
        const BackupRestoreResult result = RestoreBackup(root / "kopia.bkp", target, [&](int) {
            asked = true;
            return true;
        });
        EXPECT_FALSE(result.restored) << c.what;
        EXPECT_FALSE(asked) << c.what;
        const CString expected = c.what == std::string("newer version")
                                     ? CString("Nieobsługiwana wersja pliku archiwum.")
                                     : "Plik kopii zapasowej jest uszkodzony lub niekompletny:\n" + (root / "kopia.bkp")
                                           + "\n\nŻaden plik nie został zmieniony.";
        EXPECT_EQ(result.message, expected) << c.what;
        EXPECT_EQ(Snapshot(target), before) << c.what;
        EXPECT_EQ(Names(root.Path()), "biezace|kopia.bkp") << c.what;
    }
}

TEST(BackupFile, PathLeavingTheTargetIsRefusedBeforeAnythingIsWritten)
{
    const char *escaping[] = {"..\\poza.dat", "a\\..\\..\\poza.dat", "\\poza.dat",       "C:\\poza.dat",
                              "C:poza.dat",   "a/../../poza.dat",    "a\\. .\\poza.dat", "...\\poza.dat",
                              "a\\\\b.dat",   "x.dat:strumien"};
    for (const char *path : escaping) {
        EXPECT_FALSE(IsSafeBackupPath(path)) << path;
        TestFolder root;
        const CString target = root / "biezace";
        MakeFolder(target);
        // A harmless entry first: it must not be written either.
        root.WriteBytes(root / "kopia.bkp",
                        BackupBytes().Header().Int32(2).File("dobry.dat", "1").File(path, "2").bytes);
        const BackupRestoreResult result = RestoreBackup(root / "kopia.bkp", target, kNeverAsked);
        EXPECT_FALSE(result.restored) << path;
        EXPECT_EQ(result.message, CString("Kopia zapasowa zawiera ścieżkę spoza katalogu docelowego:\n") + path
                                      + "\n\nŻaden plik nie został zmieniony.");
        EXPECT_EQ(Names(root.Path()), "biezace|kopia.bkp") << path;
        EXPECT_EQ(Snapshot(target), "") << path;
    }
    for (const char *path : {"x.dat", "Dostawa tonerów\\spec.dat", "a.b\\c..d\\.ukryty"})
        EXPECT_TRUE(IsSafeBackupPath(path)) << path;
}

TEST(BackupFile, ExistingFilesAreReplacedOnlyAfterYes)
{
    for (const bool yes : {false, true}) {
        TestFolder root;
        const CString working = root / "biezace";
        FillProceedings(root, working);
        const BackupPackResult packed = PackFolder(working, root / "kopie", "");
        ASSERT_TRUE(packed.packed);
        root.WriteBytes(working + "\\stary.npn", "zmieniony");
        root.WriteBytes(working + "\\nowy.txt", "dodany po kopii");
        const std::string changed = Snapshot(working);

        int existingAsked = 0;
        const BackupRestoreResult result = RestoreBackup(packed.backupPath, working, [&](int existing) {
            existingAsked = existing;
            return yes;
        });
        EXPECT_EQ(existingAsked, 4);
        EXPECT_EQ(result.restored, yes);
        EXPECT_EQ(result.cancelled, !yes);
        if (yes) {
            EXPECT_EQ(TestFolder::ReadBytes(working + "\\stary.npn"), "przetarg");
            EXPECT_EQ(TestFolder::ReadBytes(working + "\\nowy.txt"), "dodany po kopii"); // not in the backup: kept
        } else {
            EXPECT_EQ(Snapshot(working), changed);
        }
    }
}

// The backup program run on its two command lines, its message boxes answered here.
TEST(BackupProgram, PacksAndRestoresThroughItsCommandLines)
{
    TestFolder root;
    BackupProgramFolders folders;
    folders.workingPath = root / "biezace proc";
    folders.backupPath = root / "kopie zapasowe";
    FillProceedings(root, folders.workingPath);
    const std::string before = Snapshot(folders.workingPath);

    std::vector<CString> messages;
    CTestHook hook;
    hook.onMessageBox = [&](const CString &text, const CString &, UINT) {
        messages.push_back(text);
        return IDYES;
    };
    CTestHookScope scope(hook);
    ASSERT_EQ(RunBackupProgram(" PACK ", folders), 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Find("Kopia zapasowa została wykonana (plików: 4)"), 0);

    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW(Cp1250ToWide(folders.backupPath + "\\*.bkp").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    ::FindClose(search);
    CString argument = folders.backupPath + "\\" + WideToCp1250(found.cFileName);
    argument.Replace(' ', '@');

    TestFolder::RemoveTree(folders.workingPath + "\\Dostawa tonerów");
    messages.clear();
    EXPECT_EQ(RunBackupProgram(argument, folders), 0);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].Find("W katalogu " + folders.workingPath + " istnieją pliki"), 0);
    EXPECT_NE(messages[0].Find("(plików: 2)"), -1);
    EXPECT_EQ(messages[1], "Odtworzono kopię zapasową (plików: 4) w katalogu:\n" + folders.workingPath);
    EXPECT_EQ(Snapshot(folders.workingPath), before);

    messages.clear();
    EXPECT_EQ(RunBackupProgram(root / "brak.bkp", folders), 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Nie można otworzyć pliku kopii zapasowej:\n" + (root / "brak.bkp"));
}

TEST(BackupProgram, AtSignsAreBlanksUnlessOnlyTheGivenNameExists)
{
    TestFolder root;
    MakeFolder(root / "moje kopie");
    root.WriteBytes(root / "moje kopie\\a b.bkp", "");
    root.WriteBytes(root / "adres@firma.bkp", "");
    CString encoded = root / "moje kopie\\a b.bkp";
    encoded.Replace(' ', '@');
    EXPECT_EQ(BackupPathFromCommandLine(encoded), root / "moje kopie\\a b.bkp");
    EXPECT_EQ(BackupPathFromCommandLine(root / "adres@firma.bkp"), root / "adres@firma.bkp");
    CString missing = root / "brak pliku.bkp";
    missing.Replace(' ', '@');
    EXPECT_EQ(BackupPathFromCommandLine(missing), root / "brak pliku.bkp");
}

} // namespace
