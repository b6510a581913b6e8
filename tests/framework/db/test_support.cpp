#include "test_support.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "framework/db/text_codec.h"

DbFolder::DbFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    for (int attempt = 0; path_.IsEmpty(); ++attempt) {
        CString candidate;
        candidate.Format("%smorvelank-db-%lu-%d", temp, GetCurrentProcessId(), attempt);
        if (CreateDirectoryA(candidate, nullptr))
            path_ = candidate;
        else if (GetLastError() != ERROR_ALREADY_EXISTS || attempt > 1000)
            break;
    }
    EXPECT_FALSE(path_.IsEmpty()) << "cannot create a temporary folder in " << temp;
}

DbFolder::~DbFolder()
{
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(path_ + "\\*", &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                SetFileAttributesA(PathOf(found.cFileName), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(PathOf(found.cFileName));
            }
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    RemoveDirectoryA(path_);
}

CString DbFolder::CreateDatabase(const char *fileName, const std::string &script) const
{
    const CString path = PathOf(fileName);
    sqlite3 *db = nullptr;
    EXPECT_EQ(SQLITE_OK,
              sqlite3_open_v2(Utf8FromCp1250(path).c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr));
    char *error = nullptr;
    EXPECT_EQ(SQLITE_OK, sqlite3_exec(db, script.c_str(), nullptr, nullptr, &error)) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
    return path;
}

std::string ReadShippedSchema(const char *name)
{
    // MORVELANK_TEST_SOURCE_DIR is this folder as a Linux path: under Wine it is on drive Z:.
    const char *source = std::getenv("MORVELANK_TEST_SOURCE_DIR");
    EXPECT_NE(nullptr, source) << "MORVELANK_TEST_SOURCE_DIR is not set";
    std::string path = std::string("Z:") + (source ? source : "") + "/../../../install/DB/" + name + ".sql";
    for (char &c : path)
        if (c == '/')
            c = '\\';
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file.good()) << "cannot read " << path;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

CString ConnectionStringFor(const CString &path, const char *password)
{
    CString text;
    if (password)
        text.Format("Provider=Microsoft.Jet.OLEDB.4.0;Data Source = %s;Jet OLEDB:Database Password=%s;", path,
                    password);
    else
        text.Format("Provider=Microsoft.Jet.OLEDB.4.0;Data Source = %s;", path);
    return text;
}
