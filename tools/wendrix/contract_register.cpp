#include "tools/wendrix/contract_register.h"

#include "framework/db/recordset.h"

#include <cstdio>

// The example amount's digit groups are joined by a no-break space: a message box wraps at blanks.
const char kValueNetRefused[] = "Wartość netto musi być kwotą w złotych, np. 12\u00A0300,00.";

const char *const kContractKinds[3] = {"roboty budowlane", "dostawy", "usługi"};

namespace {

const char kTable[] = "[ewidencja_zamowien]";
const long long kMaxGrosze = 100000000000000LL; // a trillion zł: more is a typing error

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsDate(const CString &text)
{
    int year = 0, month = 0, day = 0;
    char rest = 0;
    if (text.GetLength() != 10 || sscanf(text, "%4d-%2d-%2d%c", &year, &month, &day, &rest) != 3)
        return false;
    static const int daysInMonth[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return year >= 1990 && year <= 2100 && month >= 1 && month <= 12 && day >= 1
           && day <= (month == 2 && !leap ? 28 : daysInMonth[month - 1]);
}

bool IsCpv(const CString &text)
{
    if (text.GetLength() != 10 || text[8] != '-')
        return false;
    for (int i = 0; i < 10; ++i)
        if (i != 8 && !IsDigit(text[i]))
            return false;
    return true;
}

ContractEntry EntryOf(const Recordset &rows)
{
    ContractEntry entry;
    entry.id = rows.GetFieldValue("id").AsInt64();
    entry.date = rows.GetFieldValue("data").AsText();
    entry.subject = rows.GetFieldValue("przedmiot").AsText();
    entry.kind = rows.GetFieldValue("rodzaj").AsText();
    entry.valueGrosze = rows.GetFieldValue("wartosc_netto_gr").AsInt64();
    entry.contractor = rows.GetFieldValue("wykonawca").AsText();
    entry.cpv = rows.GetFieldValue("cpv").AsText();
    entry.caseNumber = rows.GetFieldValue("znak_sprawy").AsText();
    return entry;
}

std::vector<Variant> Values(const ContractEntry &entry)
{
    return {Variant(entry.date),       Variant(entry.subject), Variant(entry.kind),      Variant(entry.valueGrosze),
            Variant(entry.contractor), Variant(entry.cpv),     Variant(entry.caseNumber)};
}

} // namespace

bool ParseValueNet(const CString &text, long long &grosze)
{
    long long whole = 0;
    int digits = 0, decimals = -1, fraction = 0;
    for (int i = 0; i < text.GetLength(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            if (decimals < 0) {
                whole = whole * 10 + (c - '0');
                if (++digits > 13)
                    return false;
            } else if (++decimals > 2) {
                return false;
            } else {
                fraction = fraction * 10 + (c - '0');
            }
        } else if ((c == ',' || c == '.') && decimals < 0 && digits > 0) {
            decimals = 0;
        } else if (!((c == ' ' || c == '\xA0') && decimals < 0)) {
            return false;
        }
    }
    if (digits == 0 || decimals == 0)
        return false;
    if (decimals == 1)
        fraction *= 10;
    grosze = whole * 100 + fraction;
    return grosze <= kMaxGrosze;
}

CString FormatValueNet(long long grosze)
{
    char digits[32];
    snprintf(digits, sizeof digits, "%lld", grosze / 100);
    CString text;
    const int length = static_cast<int>(strlen(digits));
    for (int i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0)
            text += ' ';
        text += digits[i];
    }
    CString fraction;
    fraction.Format(",%02d", static_cast<int>(grosze % 100));
    return text + fraction;
}

bool CheckEntry(const ContractEntry &entry, CString &error)
{
    bool knownKind = false;
    for (const char *kind : kContractKinds)
        knownKind = knownKind || entry.kind == kind;
    if (!IsDate(entry.date))
        error = "Data udzielenia zamówienia musi mieć postać RRRR-MM-DD (np. 2026-03-15).";
    else if (CString(entry.subject).Trim().IsEmpty())
        error = "Proszę podać przedmiot zamówienia.";
    else if (!knownKind)
        error = "Proszę wybrać rodzaj zamówienia: roboty budowlane, dostawy albo usługi.";
    else if (entry.valueGrosze < 0 || entry.valueGrosze > kMaxGrosze)
        error = kValueNetRefused;
    else if (CString(entry.contractor).Trim().IsEmpty())
        error = "Proszę podać wykonawcę.";
    else if (!entry.cpv.IsEmpty() && !IsCpv(entry.cpv))
        error = "Kod CPV musi mieć postać 12345678-9.";
    else
        return true;
    return false;
}

ContractRegister::ContractRegister(const ConnectionPtr &connection) : m_connection(connection) {}

void ContractRegister::EnsureTable()
{
    m_connection->Execute(CString("CREATE TABLE IF NOT EXISTS ") + kTable
                          + " ([id] INTEGER PRIMARY KEY AUTOINCREMENT, [data] TEXT NOT NULL, [przedmiot] TEXT NOT NULL,"
                            " [rodzaj] TEXT NOT NULL, [wartosc_netto_gr] INTEGER NOT NULL, [wykonawca] TEXT NOT NULL,"
                            " [cpv] TEXT, [znak_sprawy] TEXT)");
}

std::vector<ContractEntry> ContractRegister::Find(const CString &text) const
{
    const CString pattern = "%" + text + "%";
    Recordset rows;
    rows.Open(CString("SELECT * FROM ") + kTable
                  + " WHERE ? = '' OR [przedmiot] LIKE ? OR [wykonawca] LIKE ? OR [cpv] LIKE ? OR [znak_sprawy] LIKE ?"
                    " ORDER BY [data] DESC, [id] DESC",
              m_connection, {Variant(text), Variant(pattern), Variant(pattern), Variant(pattern), Variant(pattern)});
    std::vector<ContractEntry> entries;
    for (; !rows.IsEOF(); rows.MoveNext())
        entries.push_back(EntryOf(rows));
    return entries;
}

long long ContractRegister::Add(const ContractEntry &entry)
{
    m_connection->Execute(
        CString("INSERT INTO ") + kTable
            + " ([data], [przedmiot], [rodzaj], [wartosc_netto_gr], [wykonawca], [cpv], [znak_sprawy])"
              " VALUES (?, ?, ?, ?, ?, ?, ?)",
        Values(entry));
    Recordset last;
    last.Open("SELECT last_insert_rowid() AS [id]", m_connection);
    return last.GetFieldValue("id").AsInt64();
}

void ContractRegister::Change(const ContractEntry &entry)
{
    std::vector<Variant> values = Values(entry);
    values.push_back(Variant(entry.id));
    m_connection->Execute(
        CString("UPDATE ") + kTable
            + " SET [data] = ?, [przedmiot] = ?, [rodzaj] = ?, [wartosc_netto_gr] = ?, [wykonawca] = ?,"
              " [cpv] = ?, [znak_sprawy] = ? WHERE [id] = ?",
        values);
}

void ContractRegister::Remove(long long id)
{
    m_connection->Execute(CString("DELETE FROM ") + kTable + " WHERE [id] = ?", {Variant(id)});
}
