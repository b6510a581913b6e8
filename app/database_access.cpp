#include "app/database_access.h"

#include <exception>

#include "app/number_format.h"
#include "framework/core/exceptions.h"
#include "framework/db/com_error.h"
#include "framework/db/recordset.h"
#include "framework/ui/msgbox.h"

namespace {

void ShowDatabaseError(const ComError &error, const CString &sql)
{
    AfxMessageBox(CString("Wyjątek COM: ") + error.Description());
    AfxMessageBox(sql);
}

void ShowUnhandledError()
{
    AfxMessageBox("Nieobsłużony wyjątek");
}

} // namespace

bool QueryInt(const ConnectionPtr &connection, const CString &sql, const std::vector<Variant> &parameters, int &value)
{
    try {
        RecordsetPtr recordset;
        recordset.CreateInstance();
        recordset->Open(sql, connection, parameters);
        if (!recordset->IsEOF())
            value = VariantToInt(recordset->GetFieldValue(0));
        recordset->Close();
        return true;
    } catch (const ComError &error) {
        ShowDatabaseError(error, sql);
    } catch (CException *e) {
        e->Delete();
        ShowUnhandledError();
    } catch (const std::exception &) {
        ShowUnhandledError();
    }
    return false;
}

int SelectInt(const ConnectionPtr &connection, const CString &sql, const std::vector<Variant> &parameters)
{
    int value = 0;
    QueryInt(connection, sql, parameters, value);
    return value;
}

bool ExecuteSql(const ConnectionPtr &connection, const CString &sql, const std::vector<Variant> &parameters)
{
    try {
        connection->Execute(sql, parameters);
        return true;
    } catch (const ComError &error) {
        ShowDatabaseError(error, sql);
    } catch (CException *e) {
        e->Delete();
        ShowUnhandledError();
    } catch (const std::exception &) {
        ShowUnhandledError();
    }
    return false;
}

CString VariantToString(const Variant &value)
{
    return value.IsNull() ? CString() : value.AsText();
}

int VariantToInt(const Variant &value)
{
    return value.IsNull() ? 0 : value.AsInt();
}

CString QuoteSql(const CString &text)
{
    CString quoted = text;
    quoted.Replace("'", "''");
    return quoted;
}

bool TakeNextProceedingId(const ConnectionPtr &connection, int32_t &id)
{
    int rows = 0;
    if (!QueryInt(connection, "select count(maxid) as c from maxid", {}, rows))
        return false;
    if (rows > 0) {
        int last = 0;
        if (!QueryInt(connection, "select max(maxid) as c from maxid", {}, last))
            return false;
        if (!ExecuteSql(connection, "update maxid set maxid=" + IntToStr(last + 1)))
            return false;
        id = last + 1;
        return true;
    }
    if (!ExecuteSql(connection, "insert into maxid values (" + IntToStr(1) + ")"))
        return false;
    id = 1;
    return true;
}
