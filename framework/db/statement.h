#pragma once
// One prepared SQLite statement of the layer, finalised with the object.
#include <vector>

#include "framework/core/cstring.h"
#include "framework/db/variant.h"

struct sqlite3;
struct sqlite3_stmt;

class PreparedStatement {
public:
    // Translates the Jet SQL, prepares it as exactly one statement and binds the parameters.
    PreparedStatement(sqlite3 *db, const CString &sql, const std::vector<Variant> &parameters);
    ~PreparedStatement();
    PreparedStatement(const PreparedStatement &) = delete;
    PreparedStatement &operator=(const PreparedStatement &) = delete;

    // True while a row is ready; false once the statement is done.
    bool Step();
    int ColumnCount() const;
    CString ColumnName(int column) const;
    Variant ColumnValue(int column) const;

private:
    void Bind(const std::vector<Variant> &parameters);

    sqlite3 *db_;
    sqlite3_stmt *statement_ = nullptr;
};

// Throws a ComError with the code and message of the database's last failure.
[[noreturn]] void ThrowSqliteError(sqlite3 *db);
