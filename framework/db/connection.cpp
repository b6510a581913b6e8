#include "framework/db/connection.h"

#include <sqlite3.h>

#include <string>

#include "framework/db/com_error.h"
#include "framework/db/statement.h"
#include "framework/db/text_codec.h"

namespace {

std::string Trim(const std::string &text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool EqualsIgnoringCase(const std::string &text, const char *word)
{
    return sqlite3_stricmp(text.c_str(), word) == 0;
}

// The file named by "Data Source = ..." among the ";"-separated key=value parts.
std::string DataSourceOf(const std::string &connectionString)
{
    size_t start = 0;
    while (start <= connectionString.size()) {
        size_t end = connectionString.find(';', start);
        if (end == std::string::npos)
            end = connectionString.size();
        const std::string part = connectionString.substr(start, end - start);
        const size_t equals = part.find('=');
        if (equals != std::string::npos && EqualsIgnoringCase(Trim(part.substr(0, equals)), "Data Source"))
            return Trim(part.substr(equals + 1));
        start = end + 1;
    }
    return std::string();
}

// Throws the database's last failure as a ComError, after closing the half-opened handle.
[[noreturn]] void FailOpening(sqlite3 *db)
{
    const ComError error(sqlite3_extended_errcode(db), Cp1250FromUtf8(sqlite3_errmsg(db)));
    sqlite3_close_v2(db);
    throw error;
}

} // namespace

void ThrowNullDbObject()
{
    throw ComError(SQLITE_MISUSE, "Obiekt bazy danych nie został utworzony.");
}

Connection::~Connection()
{
    Close();
}

void Connection::Open(const CString &connectionString)
{
    if (db_)
        throw ComError(SQLITE_MISUSE, "Połączenie z bazą danych jest już otwarte.");
    const std::string path = DataSourceOf(Utf8FromCp1250(connectionString));
    if (path.empty())
        throw ComError(SQLITE_CANTOPEN, "Parametry połączenia nie wskazują pliku bazy danych.");

    sqlite3 *db = nullptr;
    // No SQLITE_OPEN_CREATE: a missing database is an error, never a new empty file.
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        if (!db)
            throw ComError(SQLITE_NOMEM, "Brak pamięci na otwarcie bazy danych.");
        FailOpening(db);
    }
    sqlite3_extended_result_codes(db, 1);
    // The registers program may hold the file for a moment.
    sqlite3_busy_timeout(db, 5000);
    // SQLite reads the file only when asked: a damaged or foreign file shows here.
    if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK)
        FailOpening(db);
    db_ = db;
}

void Connection::Execute(const CString &sql, const std::vector<Variant> &parameters)
{
    PreparedStatement statement(OpenHandle(), sql, parameters);
    while (statement.Step()) {}
}

void Connection::Close()
{
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

sqlite3 *Connection::OpenHandle() const
{
    if (!db_)
        throw ComError(SQLITE_MISUSE, "Połączenie z bazą danych nie jest otwarte.");
    return db_;
}
