#pragma once
// What the database tests share: a temporary folder for database files, the shipped schema
// files, the program's connection strings and the ComError a failing call throws.
#include <gtest/gtest.h>

#include <string>

#include "framework/core/cstring.h"
#include "framework/db/com_error.h"

class DbFolder {
public:
    DbFolder();
    ~DbFolder();
    DbFolder(const DbFolder &) = delete;
    DbFolder &operator=(const DbFolder &) = delete;

    CString PathOf(const char *fileName) const { return path_ + "\\" + fileName; }
    // A new database file built with SQLite itself from the given SQL script.
    CString CreateDatabase(const char *fileName, const std::string &script) const;

private:
    CString path_;
};

// The SQL text of install/DB/<name>.sql.
std::string ReadShippedSchema(const char *name);
// "Provider=...;Data Source = <path>;" as the program writes it, with the password part
// when one is given.
CString ConnectionStringFor(const CString &path, const char *password = nullptr);

// Runs the action and gives the description of the ComError it throws ("" when none).
template <class Action>
CString ComErrorOf(Action action)
{
    try {
        action();
    } catch (const ComError &error) {
        return error.Description();
    }
    ADD_FAILURE() << "no ComError thrown";
    return CString();
}
