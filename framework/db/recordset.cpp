#include "framework/db/recordset.h"

#include <sqlite3.h>

#include "framework/db/com_error.h"
#include "framework/db/statement.h"

void Recordset::Open(const CString &sql, const ConnectionPtr &connection, const std::vector<Variant> &parameters)
{
    if (open_)
        throw ComError(SQLITE_MISUSE, "Zestaw rekordów jest już otwarty.");
    if (!connection)
        ThrowNullDbObject();
    PreparedStatement statement(connection->OpenHandle(), sql, parameters);
    std::vector<CString> names;
    for (int i = 0; i < statement.ColumnCount(); ++i)
        names.push_back(statement.ColumnName(i));
    std::vector<std::vector<Variant>> rows;
    while (statement.Step()) {
        std::vector<Variant> row;
        for (int i = 0; i < statement.ColumnCount(); ++i)
            row.push_back(statement.ColumnValue(i));
        rows.push_back(std::move(row));
    }
    names_ = std::move(names);
    rows_ = std::move(rows);
    current_ = 0;
    open_ = true;
}

void Recordset::Close()
{
    names_.clear();
    rows_.clear();
    current_ = 0;
    open_ = false;
}

void Recordset::CheckOpen() const
{
    if (!open_)
        throw ComError(SQLITE_MISUSE, "Zestaw rekordów nie jest otwarty.");
}

bool Recordset::IsEOF() const
{
    CheckOpen();
    return current_ >= rows_.size();
}

void Recordset::MoveNext()
{
    if (IsEOF())
        throw ComError(SQLITE_MISUSE, "Brak bieżącego rekordu: osiągnięto koniec.");
    ++current_;
}

void Recordset::MoveFirst()
{
    CheckOpen();
    current_ = 0;
}

int Recordset::GetFieldCount() const
{
    CheckOpen();
    return static_cast<int>(names_.size());
}

CString Recordset::GetFieldName(int index) const
{
    if (index < 0 || index >= GetFieldCount())
        throw ComError(SQLITE_RANGE, "Numer pola spoza zakresu.");
    return names_[index];
}

const std::vector<Variant> &Recordset::CurrentRow() const
{
    if (IsEOF())
        throw ComError(SQLITE_MISUSE, "Brak bieżącego rekordu: osiągnięto koniec.");
    return rows_[current_];
}

const Variant &Recordset::GetFieldValue(int index) const
{
    const std::vector<Variant> &row = CurrentRow();
    if (index < 0 || index >= static_cast<int>(row.size()))
        throw ComError(SQLITE_RANGE, "Numer pola spoza zakresu.");
    return row[index];
}

const Variant &Recordset::GetFieldValue(const CString &name) const
{
    const std::vector<Variant> &row = CurrentRow();
    for (size_t i = 0; i < names_.size(); ++i)
        if (names_[i].CompareNoCase(name) == 0)
            return row[i];
    throw ComError(SQLITE_ERROR, "Brak pola o nazwie " + name + " w wyniku zapytania.");
}
