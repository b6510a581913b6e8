// The program's own layer over the database connections: one integer by a query, one
// statement, field values as text or number, and apostrophes doubled for SQL literals.
// User text goes into the statements as parameters (every ? takes the next one), never as SQL.
// A failure is shown to the user at once ("Wyjątek COM: " and the description, then the
// statement) and never passed on.
#pragma once

#include <vector>

#include "framework/core/cstring.h"
#include "framework/db/connection.h"
#include "framework/db/variant.h"

// Field 0 of the first row as an integer; 0 when there is no row or the query failed.
int SelectInt(const ConnectionPtr &connection, const CString &sql, const std::vector<Variant> &parameters = {});
// The same, telling a failed query (false, value untouched) from an answer.
bool QueryInt(const ConnectionPtr &connection, const CString &sql, const std::vector<Variant> &parameters, int &value);
// False when the statement failed.
bool ExecuteSql(const ConnectionPtr &connection, const CString &sql, const std::vector<Variant> &parameters = {});

CString VariantToString(const Variant &value); // "" for null
int VariantToInt(const Variant &value);        // 0 for null
CString QuoteSql(const CString &text);         // every ' doubled

// The next proceeding id from table maxid of the main database, recorded there; false, with
// the id untouched, when the database did not answer.
bool TakeNextProceedingId(const ConnectionPtr &connection, int32_t &id);
