// A program folder for the database tests: <folder>\DB\morvelank.mdb and rejestry.mdb built
// from the shipped schema, an application object whose MainPath is that folder, and the
// message boxes of the run recorded instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/morvelank_app.h"
#include "framework/db/connection.h"
#include "framework/db/recordset.h"
#include "framework/ui/testhook.h"
#include "tests/support/query_rows.h"
#include "tests/support/test_folder.h"

struct ShownMessage {
    CString text;
    CString caption;
    UINT type;
};

// The SQL text of install/DB/<name>.sql.
inline std::string ShippedSchema(const char *name)
{
    const char *source = std::getenv("MORVELANK_TEST_SOURCE_DIR");
    std::string path = std::string("Z:") + (source ? source : "") + "/../../install/DB/" + name + ".sql";
    for (char &c : path)
        if (c == '/')
            c = '\\';
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// A new database file made of the shipped schema, one statement at a time.
inline void CreateDatabase(const CString &path, const char *schemaName)
{
    TestFolder::WriteBytes(path, "");
    Connection connection;
    connection.Open("Data Source = " + path + ";");
    std::string statements;
    std::istringstream lines(ShippedSchema(schemaName));
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("--", 0) != 0)
            statements += line + "\n";
    size_t start = 0;
    for (size_t end; (end = statements.find(';', start)) != std::string::npos; start = end + 1)
        connection.Execute(statements.substr(start, end - start).c_str());
    ASSERT_GT(start, 0u) << "no statements in " << schemaName;
}

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateDirectoryA(m_folder / "DB", nullptr);
        CreateDatabase(m_folder / "DB\\morvelank.mdb", "morvelank");
        CreateDatabase(m_folder / "DB\\rejestry.mdb", "rejestry");
        m_app.MainPath = m_folder.Path();
        m_hook.onMessageBox = [this](const CString &text, const CString &caption, UINT type) {
            m_messages.push_back({text, caption, type});
            return IDOK;
        };
    }

    // Runs the statement on the main database outside the program's routines.
    void Execute(const CString &sql) { m_app.GetMainConnection()->Execute(sql); }

    // The rows of the query, fields joined by "|", rows by ";".
    std::string Rows(const CString &sql) { return QueryRows(m_app.GetMainConnection(), sql); }

    TestFolder m_folder;
    CMorvelankApp m_app;
    CTestHook m_hook;
    CTestHookScope m_scope{m_hook};
    std::vector<ShownMessage> m_messages;
};
