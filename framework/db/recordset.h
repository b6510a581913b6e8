#pragma once
// The rows of one SELECT, read whole when opened, with a current row that moves forward
// and back to the first.
#include <vector>

#include "framework/core/cstring.h"
#include "framework/db/connection.h"
#include "framework/db/db_ptr.h"
#include "framework/db/variant.h"

class Recordset {
public:
    // Runs the query on the open connection; ? takes the parameters as in Connection::Execute.
    // Throws ComError on failure and stays closed then.
    void Open(const CString &sql, const ConnectionPtr &connection, const std::vector<Variant> &parameters = {});
    void Close();
    bool IsOpen() const { return open_; }

    bool IsEOF() const;
    void MoveNext();
    void MoveFirst();

    int GetFieldCount() const;
    CString GetFieldName(int index) const;
    // The current row's value; a name is matched without regard to case.
    const Variant &GetFieldValue(int index) const;
    const Variant &GetFieldValue(const CString &name) const;

private:
    void CheckOpen() const;
    const std::vector<Variant> &CurrentRow() const;

    bool open_ = false;
    std::vector<CString> names_;
    std::vector<std::vector<Variant>> rows_;
    size_t current_ = 0;
};

using RecordsetPtr = DbPtr<Recordset>;
