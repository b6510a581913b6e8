// What the archive browser lists of a folder: proceedings in their own sub-folders, record files
// and older single files in the folder itself, damaged records, the procedure filter.
#include "archive_fixture.h"

#include "mainframe/archive/archive_listing.h"

namespace {

class ArchiveListingTest : public ArchiveFolderTest {
protected:
    std::vector<CString> Names(int filter)
    {
        std::vector<CString> names;
        for (const ArchiveEntry &entry : ListArchiveFolder(app, current, filter).entries)
            names.push_back(entry.name);
        return names;
    }
};

TEST_F(ArchiveListingTest, ProceedingFoldersAreListedSortedWithTheirColumns)
{
    const CString remont = MakeProceeding(current, "Remont szkoły", "Remont szkoły", 64, 114);
    // The record may bear another name than its folder: the path column names the record.
    const CString dostawa = MakeProceeding(current, "dostawa paliwa", "Przetarg 7", 1, 20);
    MakeFolder(current + "\\zwykły katalog");
    WriteBytes(current + "\\zwykły katalog\\notatka.txt", {'x'});
    MakeFolder(current + "\\same dane");
    WriteBytes(current + "\\same dane\\same dane.dat", {});

    const ArchiveListing listing = ListArchiveFolder(app, current, kAllKinds);
    ASSERT_TRUE(listing.folderFound);
    ASSERT_EQ(listing.entries.size(), 2u);

    const ArchiveEntry &first = listing.entries[0];
    EXPECT_EQ(first.name, "dostawa paliwa");
    EXPECT_EQ(first.path, "dostawa paliwa\\Przetarg 7.baz");
    EXPECT_EQ(first.kindName, "Nieogr.pow. 60 000 EURO");
    EXPECT_EQ(first.modified, dostawa);
    EXPECT_EQ(first.image, kImageProceedingFolder);
    EXPECT_TRUE(first.readable);

    const ArchiveEntry &second = listing.entries[1];
    EXPECT_EQ(second.name, "Remont szkoły");
    EXPECT_EQ(second.path, "Remont szkoły\\Remont szkoły.baz");
    EXPECT_EQ(second.kindName, "Od 2021r.,Tryb podst.bez negocj.poniżej progów unijnych");
    EXPECT_EQ(second.modified, remont);
    EXPECT_GE(second.description.Find("Od roku 2021, Tryb podstawowy bez negocjacji poniżej"), 0);
    EXPECT_GE(second.description.Find(current + "\\Remont szkoły"), 0);
}

TEST_F(ArchiveListingTest, FilesInTheFolderItself)
{
    MakeProceeding(current, "", "luźny", 23, 114);
    for (const char *name : {"stary.zp0", "inny.ZPB", "notatka.txt", "bez rozszerzenia", "kopia.bkp"})
        WriteBytes(current + "\\" + name, {'x'});

    const ArchiveListing listing = ListArchiveFolder(app, current, kAllKinds);
    ASSERT_EQ(listing.entries.size(), 3u);
    EXPECT_EQ(listing.entries[0].name, "inny.ZPB");
    EXPECT_EQ(listing.entries[0].kindName, "Zapytanie o cenę pow. 60 000 EURO");
    EXPECT_EQ(listing.entries[0].image, kImageOldSingleFile);
    EXPECT_EQ(listing.entries[0].path, "inny.ZPB");

    // A record lying in the folder is listed by its file's name and the long procedure name.
    const ArchiveEntry &record = listing.entries[1];
    EXPECT_EQ(record.name, "luźny.baz");
    EXPECT_EQ(record.path, "luźny.baz");
    EXPECT_EQ(record.kindName, "Licytacja elektroniczna");
    EXPECT_EQ(record.kind, ArchiveEntryKind::RecordFile);
    EXPECT_EQ(record.procedureCode, 23);

    EXPECT_EQ(listing.entries[2].name, "stary.zp0");
    EXPECT_EQ(listing.entries[2].kindName, "Nieogran. pon. 60 000 EURO");
    EXPECT_EQ(listing.entries[2].kind, ArchiveEntryKind::OldSingleFile);
}

TEST_F(ArchiveListingTest, OldSingleFileKindsFollowTheExtensionsLastCharacter)
{
    const struct {
        const char *file;
        const char *kind;
    } cases[] = {
        {"a.zp0", "Nieogran. pon. 60 000 EURO"},
        {"a.zp3", "Ogranicz. pow. 60 000 EURO"},
        {"a.zp9", "Zamówienie z wolnej ręki pow. 60 000 EURO"},
        {"a.zpa", "Zapytanie o cenę pon. 60 000 EURO"},
        {"a.zpb", "Zapytanie o cenę pow. 60 000 EURO"},
        {"a.zpc", ""},
        {"a.baz", ""},
        {"a.", ""},
        {"a", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(OldSingleFileKindName(c.file), c.kind) << c.file;
}

TEST_F(ArchiveListingTest, FilterKeepsTheProceedingsOfOneKind)
{
    MakeProceeding(current, "nieograniczony", "nieograniczony", 140, 114); // 140 % 100 = 40
    MakeProceeding(current, "licytacja", "licytacja", 45, 114);
    MakeProceeding(current, "", "w katalogu", 45, 114);
    WriteBytes(current + "\\stary.zp0", {'x'});
    MakeFolder(current + "\\uszkodzone");
    WriteBytes(current + "\\uszkodzone\\uszkodzone.baz", {'?', '?'});
    WriteBytes(current + "\\uszkodzone\\uszkodzone.dat", {});

    const struct {
        int filter;
        std::vector<CString> names;
    } cases[] = {
        {kAllKinds, {"licytacja", "nieograniczony", "stary.zp0", "uszkodzone", "w katalogu.baz"}},
        {40, {"nieograniczony"}},
        {45, {"licytacja", "w katalogu.baz"}},
        {44, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Names(c.filter), c.names) << c.filter;
}

TEST_F(ArchiveListingTest, FilterTableOffersEveryKindOnceAndNoCode43)
{
    ASSERT_EQ(kArchiveKindFilterCount, 14);
    EXPECT_STREQ(kArchiveKindFilters[0].text, "Wszystkie projekty");
    EXPECT_EQ(kArchiveKindFilters[0].code, kAllKinds);
    for (int i = 0; i < kArchiveKindFilterCount; ++i) {
        EXPECT_NE(kArchiveKindFilters[i].code, 43);
        for (int j = i + 1; j < kArchiveKindFilterCount; ++j)
            EXPECT_NE(kArchiveKindFilters[i].code, kArchiveKindFilters[j].code);
    }
}

TEST_F(ArchiveListingTest, DamagedRecordsAreListedAsSuchAndNeverStopTheListing)
{
    MakeProceeding(current, "dobre", "dobre", 0, 114);
    const struct {
        const char *folder;
        std::vector<uint8_t> record;
    } damaged[] = {{"śmieci", {'a', 'b', 'c'}}, {"pusty zapis", {}}};
    for (const auto &d : damaged) {
        const CString record = current + "\\" + d.folder + "\\" + d.folder;
        MakeFolder(current + "\\" + d.folder);
        WriteBytes(record + ".baz", d.record);
        WriteBytes(record + ".dat", {});
    }
    // A sound record without its data file does not open either.
    MakeProceeding(current, "bez danych", "bez danych", 0, 114);
    ::DeleteFileW(Wide(current + "\\bez danych\\bez danych.dat").c_str());
    WriteBytes(current + "\\zły.baz", {1, 2, 3, 4, 5, 6, 7});

    const ArchiveListing listing = ListArchiveFolder(app, current, kAllKinds);
    ASSERT_EQ(listing.entries.size(), 5u);
    for (const ArchiveEntry &entry : listing.entries) {
        SCOPED_TRACE((LPCSTR)entry.name);
        if (entry.name == "dobre") {
            EXPECT_TRUE(entry.readable);
            continue;
        }
        EXPECT_FALSE(entry.readable);
        EXPECT_EQ(entry.kindName, "Uszkodzone postępowanie");
        EXPECT_TRUE(entry.modified.IsEmpty());
        EXPECT_EQ(entry.description.Find("Nie można odczytać postępowania"), 0);
    }
    EXPECT_EQ(listing.entries[0].name, "bez danych");
    EXPECT_EQ(listing.entries[0].path, "bez danych\\bez danych.baz");
    EXPECT_EQ(listing.entries[4].name, "zły.baz");
    EXPECT_EQ(listing.entries[4].kind, ArchiveEntryKind::RecordFile);
}

TEST_F(ArchiveListingTest, MissingOrUnsetFolderListsNothing)
{
    WriteBytes(current + "\\plik.txt", {'x'});
    for (const CString &path : {folder.Path() + "\\nie ma", CString(), current + "\\plik.txt"}) {
        const ArchiveListing listing = ListArchiveFolder(app, path, kAllKinds);
        EXPECT_FALSE(listing.folderFound) << (LPCSTR)path;
        EXPECT_TRUE(listing.entries.empty()) << (LPCSTR)path;
    }
}

TEST_F(ArchiveListingTest, PathColumnSplitsAtItsFirstBackslash)
{
    const struct {
        const char *path, *folder, *file;
    } cases[] = {
        {"Remont\\Remont.baz", "Remont", "Remont.baz"},
        {"luźny.baz", "", "luźny.baz"},
        {"a\\b\\c.baz", "a", "b\\c.baz"},
        {"", "", ""},
    };
    for (const auto &c : cases) {
        CString proceedingFolder = "x", fileName = "x";
        SplitArchivePath(c.path, proceedingFolder, fileName);
        EXPECT_EQ(proceedingFolder, c.folder) << c.path;
        EXPECT_EQ(fileName, c.file) << c.path;
    }
}

} // namespace
