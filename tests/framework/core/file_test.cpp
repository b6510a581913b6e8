#include "framework/core/codepage.h"
#include "framework/core/file.h"
#include "framework/core/filefind.h"
#include "framework/core/stdiofile.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// A fresh folder with a Polish name under the temporary folder, removed with what it holds.
class FileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_folder = WideToCp1250(temp) + "żółw_" + CString(std::to_string(GetCurrentProcessId()).c_str());
        ASSERT_TRUE(CreateDirectoryW(Cp1250ToWide(m_folder).c_str(), nullptr));
    }
    void TearDown() override
    {
        CFileFind find;
        BOOL more = find.FindFile(m_folder + "\\*");
        while (more) {
            more = find.FindNextFile();
            if (!find.IsDots()) {
                SetFileAttributesW(Cp1250ToWide(find.GetFilePath()).c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(Cp1250ToWide(find.GetFilePath()).c_str());
            }
        }
        find.Close();
        RemoveDirectoryW(Cp1250ToWide(m_folder).c_str());
    }
    CString PathOf(const char *name) const { return m_folder + "\\" + name; }

    CString m_folder;
};

void WriteBytes(const CString &path, const char *text)
{
    CFile file(path, CFile::modeCreate | CFile::modeWrite);
    file.Write(text, static_cast<UINT>(strlen(text)));
    file.Close();
}

TEST_F(FileTest, PolishNamesRoundTripThroughFileAndFind)
{
    const char *names[] = {"Zażółć gęślą jaźń.baz", "ŁÓDŹ ŚWIĘTO.dat", "umowa.rtf"};
    for (const char *name : names)
        WriteBytes(PathOf(name), name);

    std::set<std::string> found;
    CFileFind find;
    BOOL more = find.FindFile(m_folder + "\\*.*");
    ASSERT_TRUE(more);
    while (more) {
        more = find.FindNextFile();
        if (find.IsDots())
            continue;
        found.insert(std::string(find.GetFileName()));
        EXPECT_EQ(PathOf(find.GetFileName()), find.GetFilePath());
        EXPECT_EQ(CString(find.GetFileName()).GetLength(), static_cast<int>(find.GetLength()));
    }
    EXPECT_EQ((std::set<std::string>{names[0], names[1], names[2]}), found);

    CFile file;
    ASSERT_TRUE(file.Open(PathOf(names[1]), CFile::modeRead));
    char buffer[64] = {};
    EXPECT_EQ(strlen(names[1]), file.Read(buffer, sizeof buffer));
    EXPECT_STREQ(names[1], buffer);
    EXPECT_STREQ(names[1], file.GetFileName());
    EXPECT_EQ(0u, file.Read(buffer, sizeof buffer));
}

TEST_F(FileTest, FindWithAPatternAndWithoutMatches)
{
    WriteBytes(PathOf("a.bkp"), "1");
    WriteBytes(PathOf("b.txt"), "2");
    CFileFind find;
    ASSERT_TRUE(find.FindFile(m_folder + "\\*.bkp"));
    EXPECT_FALSE(find.FindNextFile()); // the only match is current and still readable
    EXPECT_STREQ("a.bkp", find.GetFileName());
    EXPECT_STREQ("a", find.GetFileTitle());
    EXPECT_EQ(m_folder, find.GetRoot());
    EXPECT_FALSE(find.FindFile(m_folder + "\\*.none"));
}

TEST_F(FileTest, StatusReportsSizeTimesAndAttributes)
{
    const CString path = PathOf("ścieżka.dat");
    WriteBytes(path, "12345");
    const CTime before = CTime::GetCurrentTime() - CTimeSpan(0, 0, 5, 0);
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(path, status));
    EXPECT_EQ(5u, status.m_size);
    EXPECT_EQ(0, status.m_attribute & (CFile::readOnly | CFile::directory));
    EXPECT_GE(status.m_mtime, before);
    EXPECT_GE(status.m_ctime, before);
    EXPECT_STREQ(path, status.m_szFullName);

    SetFileAttributesW(Cp1250ToWide(path).c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(CFile::GetStatus(path, status));
    EXPECT_EQ(CFile::readOnly | CFile::hidden, status.m_attribute & (CFile::readOnly | CFile::hidden));

    ASSERT_TRUE(CFile::GetStatus(m_folder, status));
    EXPECT_TRUE(status.m_attribute & CFile::directory);
    EXPECT_FALSE(CFile::GetStatus(PathOf("brak.dat"), status));

    CFile open(path, CFile::modeRead);
    ASSERT_TRUE(open.GetStatus(status));
    EXPECT_EQ(5u, status.m_size);
    EXPECT_TRUE(status.m_attribute & CFile::readOnly);
}

TEST_F(FileTest, FailuresCarryTheirCause)
{
    CFileException error;
    CFile file;
    EXPECT_FALSE(file.Open(PathOf("brak.dat"), CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_EQ(PathOf("brak.dat"), error.m_strFileName);
    char message[256];
    EXPECT_TRUE(error.GetErrorMessage(message, sizeof message));
    EXPECT_EQ("Nie znaleziono pliku " + PathOf("brak.dat") + ".", CString(message));

    int cause = -1;
    try {
        CFile::Remove(PathOf("brak.dat"));
    } catch (CFileException *e) {
        cause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(CFileException::fileNotFound, cause);

    cause = -1;
    try {
        CFile missingFolder(PathOf("nie ma\\x.dat"), CFile::modeCreate | CFile::modeWrite);
    } catch (CException *e) {
        if (e->IsKindOf(RUNTIME_CLASS(CFileException)))
            cause = static_cast<CFileException *>(e)->m_cause;
        e->Delete();
    }
    EXPECT_EQ(CFileException::badPath, cause);
}

TEST_F(FileTest, SeekLengthRenameAndRemove)
{
    const CString path = PathOf("dane.dat");
    {
        CFile file(path, CFile::modeCreate | CFile::modeReadWrite);
        file.Write("abcdef", 6);
        EXPECT_EQ(6u, file.GetLength());
        EXPECT_EQ(2u, file.Seek(2, CFile::begin));
        char c;
        file.Read(&c, 1);
        EXPECT_EQ('c', c);
        EXPECT_EQ(5u, file.Seek(-1, CFile::end));
        file.SetLength(3);
        EXPECT_EQ(3u, file.GetLength());
    }
    CFile::Rename(path, PathOf("nowa nazwa ąę.dat"));
    CFileStatus status;
    EXPECT_FALSE(CFile::GetStatus(path, status));
    ASSERT_TRUE(CFile::GetStatus(PathOf("nowa nazwa ąę.dat"), status));
    EXPECT_EQ(3u, status.m_size);
    CFile::Remove(PathOf("nowa nazwa ąę.dat"));
    EXPECT_FALSE(CFile::GetStatus(PathOf("nowa nazwa ąę.dat"), status));
}

TEST_F(FileTest, TextFilesUseCrLfLines)
{
    const CString path = PathOf("tekst.txt");
    {
        CStdioFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString("pierwsza linia\n");
        file.WriteString("druga ż\n\nostatnia bez końca");
        file.Close();
    }
    CFile raw(path, CFile::modeRead);
    char bytes[64] = {};
    raw.Read(bytes, sizeof bytes - 1);
    raw.Close();
    EXPECT_STREQ("pierwsza linia\r\ndruga ż\r\n\r\nostatnia bez końca", bytes);

    CStdioFile file(path, CFile::modeRead | CFile::typeText);
    const std::string longLine(2000, 'x');
    CString line;
    std::string lines;
    while (file.ReadString(line))
        lines += std::string(line) + "|";
    EXPECT_EQ("pierwsza linia|druga ż||ostatnia bez końca|", lines);
    EXPECT_TRUE(line.IsEmpty());
    file.Close();

    {
        CStdioFile longFile(path, CFile::modeCreate | CFile::modeWrite);
        longFile.WriteString((longLine + "\n").c_str());
    }
    CStdioFile reread(path, CFile::modeRead);
    ASSERT_TRUE(reread.ReadString(line));
    EXPECT_EQ(longLine, std::string(line));
    EXPECT_FALSE(reread.ReadString(line));
}

} // namespace
