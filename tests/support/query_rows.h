// The rows of a query as one text, for comparing database contents in tests.
#pragma once

#include <string>

#include "framework/db/connection.h"
#include "framework/db/recordset.h"

// Fields joined by "|", rows by ";".
inline std::string QueryRows(const ConnectionPtr &connection, const CString &sql)
{
    Recordset rows;
    rows.Open(sql, connection);
    std::string text;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        if (!text.empty())
            text += ";";
        for (int i = 0; i < rows.GetFieldCount(); ++i)
            text += std::string(i ? "|" : "") + (LPCSTR)rows.GetFieldValue(i).AsText();
    }
    return text;
}
