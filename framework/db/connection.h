#pragma once
// An open database: a SQLite file named by a Jet-style connection string.
#include <vector>

#include "framework/core/cstring.h"
#include "framework/db/db_ptr.h"
#include "framework/db/variant.h"

struct sqlite3;

class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Opens the existing file named by "Data Source"; "Provider" and
    // "Jet OLEDB:Database Password" are accepted and have no effect. A missing file is not
    // created. Throws ComError when the file cannot be opened or is not a database.
    void Open(const CString &connectionString);
    // Runs one statement; every ? in it takes the next parameter, bound as a value, never as
    // SQL. Throws ComError with SQLite's message on failure.
    void Execute(const CString &sql, const std::vector<Variant> &parameters = {});
    // Closing a closed connection does nothing.
    void Close();
    bool IsOpen() const { return db_ != nullptr; }

private:
    friend class Recordset;
    sqlite3 *OpenHandle() const;

    sqlite3 *db_ = nullptr;
};

using ConnectionPtr = DbPtr<Connection>;
