#include "proceeding/merge/contractor_register.h"

#include <cstdlib>

#include "framework/db/com_error.h"
#include "framework/db/recordset.h"
#include "framework/ui/msgbox.h"

namespace {

const char kSelectAll[] = "select lp, field1, field2, field3, field4, field5, field6, field7, field8 "
                          "from rej_wykonawcow ";

Contractor ReadRow(const Recordset &rows)
{
    Contractor contractor;
    contractor.lp = rows.GetFieldValue(0).AsInt();
    for (int k = 0; k < 8; ++k)
        contractor.fields[k] = rows.GetFieldValue(k + 1).AsText();
    return contractor;
}

std::vector<Variant> FieldParameters(const Contractor &contractor)
{
    std::vector<Variant> parameters;
    for (const CString &field : contractor.fields)
        parameters.emplace_back(field);
    return parameters;
}

} // namespace

CString MergeAddress(const Contractor &contractor)
{
    return contractor.Address() + " " + contractor.Email();
}

std::vector<Contractor> ContractorRegister::LoadAll() const
{
    Recordset rows;
    rows.Open(CString(kSelectAll) + "order by lp", m_connection);
    std::vector<Contractor> contractors;
    for (; !rows.IsEOF(); rows.MoveNext())
        contractors.push_back(ReadRow(rows));
    return contractors;
}

bool ContractorRegister::Find(int lp, Contractor &contractor) const
{
    Recordset rows;
    rows.Open(CString(kSelectAll) + "where [lp]=?", m_connection, {lp});
    if (rows.IsEOF())
        return false;
    contractor = ReadRow(rows);
    return true;
}

int ContractorRegister::Add(Contractor &contractor) const
{
    // The registers program numbers its rows itself; the next number follows the highest.
    Recordset highest;
    highest.Open("select max(lp) from rej_wykonawcow", m_connection);
    contractor.lp = highest.IsEOF() ? 1 : highest.GetFieldValue(0).AsInt() + 1;
    std::vector<Variant> parameters{contractor.lp};
    for (const Variant &field : FieldParameters(contractor))
        parameters.push_back(field);
    m_connection->Execute("insert into rej_wykonawcow (lp, field1, field2, field3, field4, field5, field6, "
                          "field7, field8) values (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                          parameters);
    return contractor.lp;
}

void ContractorRegister::Update(const Contractor &contractor) const
{
    std::vector<Variant> parameters = FieldParameters(contractor);
    parameters.emplace_back(contractor.lp);
    m_connection->Execute("update rej_wykonawcow set field1=?, field2=?, field3=?, field4=?, field5=?, "
                          "field6=?, field7=?, field8=? where [lp]=?",
                          parameters);
}

void ContractorRegister::Delete(int lp) const
{
    m_connection->Execute("delete from rej_wykonawcow where [lp]=?", {lp});
}

CString JoinKeys(const std::vector<int> &keys)
{
    CString list = ",";
    for (int key : keys) {
        CString item;
        item.Format("%d,", key);
        list += item;
    }
    return list;
}

std::vector<int> SplitKeys(const CString &list)
{
    std::vector<int> keys;
    int start = 0;
    while (start <= list.GetLength()) {
        int end = list.Find(',', start);
        if (end < 0)
            end = list.GetLength();
        CString item = list.Mid(start, end - start);
        item.Trim();
        char *rest = nullptr;
        const long key = std::strtol(item, &rest, 10);
        if (!item.IsEmpty() && rest != nullptr && *rest == '\0')
            keys.push_back(static_cast<int>(key));
        start = end + 1;
    }
    return keys;
}

bool ListHasKey(const CString &list, int key)
{
    CString item;
    item.Format(",%d,", key);
    return list.Find(item) >= 0;
}

void ReportCurrentException(HWND owner)
{
    try {
        throw;
    } catch (const ComError &error) {
        AfxShowMessageBox(owner, "Wyjątek COM: " + error.Description(), "Błąd", MB_OK | MB_ICONWARNING);
    } catch (...) {
        AfxShowMessageBox(owner, "Nieobsłużony wyjątek", "Error", MB_OK | MB_ICONWARNING);
    }
}
