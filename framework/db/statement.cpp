#include "framework/db/statement.h"

#include <sqlite3.h>

#include <cstdio>
#include <string>

#include "framework/db/com_error.h"
#include "framework/db/jet_sql.h"
#include "framework/db/text_codec.h"

void ThrowSqliteError(sqlite3 *db)
{
    throw ComError(sqlite3_extended_errcode(db), Cp1250FromUtf8(sqlite3_errmsg(db)));
}

PreparedStatement::PreparedStatement(sqlite3 *db, const CString &sql, const std::vector<Variant> &parameters) : db_(db)
{
    const std::string text = TranslateJetSql(Utf8FromCp1250(sql));
    const char *tail = nullptr;
    if (sqlite3_prepare_v2(db_, text.c_str(), static_cast<int>(text.size() + 1), &statement_, &tail) != SQLITE_OK)
        ThrowSqliteError(db_);
    if (!statement_)
        throw ComError(SQLITE_MISUSE, "Polecenie SQL jest puste.");

    // A second statement in the text is refused: one text is one statement.
    sqlite3_stmt *next = nullptr;
    const int nextResult = sqlite3_prepare_v2(db_, tail, -1, &next, nullptr);
    sqlite3_finalize(next);
    if (nextResult != SQLITE_OK || next) {
        sqlite3_finalize(statement_);
        throw ComError(SQLITE_MISUSE, "Polecenie SQL może zawierać tylko jedną instrukcję.");
    }
    try {
        Bind(parameters);
    } catch (...) {
        sqlite3_finalize(statement_);
        throw;
    }
}

PreparedStatement::~PreparedStatement()
{
    sqlite3_finalize(statement_);
}

void PreparedStatement::Bind(const std::vector<Variant> &parameters)
{
    const int expected = sqlite3_bind_parameter_count(statement_);
    if (expected != static_cast<int>(parameters.size())) {
        char message[160];
        std::snprintf(message, sizeof message, "Polecenie SQL ma %d parametrów, a podano %d wartości.", expected,
                      static_cast<int>(parameters.size()));
        throw ComError(SQLITE_RANGE, message);
    }
    for (int i = 0; i < expected; ++i) {
        const Variant &value = parameters[i];
        int result = SQLITE_OK;
        switch (value.Type()) {
        case VariantType::Integer:
            result = sqlite3_bind_int64(statement_, i + 1, value.AsInt64());
            break;
        case VariantType::Double:
            result = sqlite3_bind_double(statement_, i + 1, value.AsDouble());
            break;
        case VariantType::Text: {
            const std::string text = Utf8FromCp1250(value.AsText());
            result =
                sqlite3_bind_text(statement_, i + 1, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
            break;
        }
        default:
            result = sqlite3_bind_null(statement_, i + 1);
            break;
        }
        if (result != SQLITE_OK)
            ThrowSqliteError(db_);
    }
}

bool PreparedStatement::Step()
{
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    ThrowSqliteError(db_);
}

int PreparedStatement::ColumnCount() const
{
    return sqlite3_column_count(statement_);
}

CString PreparedStatement::ColumnName(int column) const
{
    const char *name = sqlite3_column_name(statement_, column);
    return name ? Cp1250FromUtf8(name) : CString();
}

Variant PreparedStatement::ColumnValue(int column) const
{
    switch (sqlite3_column_type(statement_, column)) {
    case SQLITE_NULL:
        return Variant::MakeNull();
    case SQLITE_INTEGER:
        return Variant(static_cast<long long>(sqlite3_column_int64(statement_, column)));
    case SQLITE_FLOAT:
        return Variant(sqlite3_column_double(statement_, column));
    default: {
        const char *text = reinterpret_cast<const char *>(sqlite3_column_text(statement_, column));
        if (!text) {
            if (sqlite3_errcode(db_) == SQLITE_NOMEM)
                ThrowSqliteError(db_);
            return Variant(CString());
        }
        const int length = sqlite3_column_bytes(statement_, column);
        return Variant(Cp1250FromUtf8(std::string(text, length)));
    }
    }
}
