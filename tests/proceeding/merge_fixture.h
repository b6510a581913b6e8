// The registers database of a program folder, made from the shipped schema, and contractors
// stored in it outside the program's own code.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "framework/db/connection.h"
#include "tests/support/test_folder.h"

// <folder>\DB\rejestry.mdb built from install/DB/rejestry.sql, one statement at a time.
inline void CreateRegistersDatabase(const CString &folder)
{
    const char *source = std::getenv("MORVELANK_TEST_SOURCE_DIR");
    std::string schemaPath = std::string("Z:") + (source ? source : "") + "/../../install/DB/rejestry.sql";
    for (char &c : schemaPath)
        if (c == '/')
            c = '\\';
    std::ifstream schema(schemaPath, std::ios::binary);
    std::string statements;
    for (std::string line; std::getline(schema, line);)
        if (line.rfind("--", 0) != 0)
            statements += line + "\n";
    ASSERT_NE(statements.find(';'), std::string::npos) << schemaPath;

    CreateDirectoryA(folder + "\\DB", nullptr);
    const CString path = folder + "\\DB\\rejestry.mdb";
    TestFolder::WriteBytes(path, "");
    Connection connection;
    connection.Open("Data Source = " + path + ";");
    size_t start = 0;
    for (size_t end; (end = statements.find(';', start)) != std::string::npos; start = end + 1)
        connection.Execute(statements.substr(start, end - start).c_str());
}

// A row of rej_wykonawcow with the fields the mail merge reads.
inline void StoreContractor(const ConnectionPtr &registers, int lp, const char *name, const char *address,
                            const char *email)
{
    registers->Execute("insert into rej_wykonawcow (lp, field1, field2, field7) values (?, ?, ?, ?)",
                       {lp, name, address, email});
}
