// The register of contractors, table rej_wykonawcow of the registers database: its rows read,
// added, changed and deleted, and the key lists with which the mail merge names its choice.
// Every call throws ComError when the database refuses; the dialogs report it.
#pragma once

#include <vector>

#include "framework/core/cstring.h"
#include "framework/db/connection.h"

struct Contractor {
    int lp = 0;        // the table's key; 0 for a row not stored yet
    CString fields[8]; // field1 .. field8: name, address, 3 to 5 unnamed, telephones, e-mail, contact

    CString &Name() { return fields[0]; }
    const CString &Name() const { return fields[0]; }
    CString &Address() { return fields[1]; }
    const CString &Address() const { return fields[1]; }
    CString &Phones() { return fields[5]; }
    const CString &Phones() const { return fields[5]; }
    CString &Email() { return fields[6]; }
    const CString &Email() const { return fields[6]; }
    CString &Contact() { return fields[7]; }
    const CString &Contact() const { return fields[7]; }
};

// The address the merge writes: field2, a blank and field7.
CString MergeAddress(const Contractor &contractor);

class ContractorRegister {
public:
    explicit ContractorRegister(ConnectionPtr connection) : m_connection(std::move(connection)) {}

    bool IsOpen() const { return m_connection && m_connection->IsOpen(); }
    // Every row in key order.
    std::vector<Contractor> LoadAll() const;
    // False when no row has the key.
    bool Find(int lp, Contractor &contractor) const;
    // Stores a new row under the next free key, which it returns (and sets in the record).
    int Add(Contractor &contractor) const;
    // Rewrites all eight fields of the row with the record's key.
    void Update(const Contractor &contractor) const;
    void Delete(int lp) const;

private:
    ConnectionPtr m_connection;
};

// ",k1,k2,...," as the merge keeps its chosen contractors and documents; "," for none.
CString JoinKeys(const std::vector<int> &keys);
// The keys of such a list; items that are no number are dropped.
std::vector<int> SplitKeys(const CString &list);
// Whether the key is one of the list's.
bool ListHasKey(const CString &list, int key);

// A database failure told the user: "Wyjątek COM: " and its description; any other failure
// "Nieobsłużony wyjątek". Call from inside a catch block.
void ReportCurrentException(HWND owner);
