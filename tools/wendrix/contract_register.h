#pragma once
// The register of public contracts the authority awards ("Ewidencja zamówień publicznych"),
// those below 130 000 zł without a proceeding included: one table of the registers database,
// reached through the program's own database layer.

#include "framework/core/cstring.h"
#include "framework/db/connection.h"

#include <vector>

struct ContractEntry {
    long long id = 0; // 0 for an entry not yet stored
    CString date;     // "RRRR-MM-DD"
    CString subject;
    CString kind; // one of kContractKinds
    long long valueGrosze = 0;
    CString contractor;
    CString cpv;        // "NNNNNNNN-N", may be empty
    CString caseNumber; // the proceeding's case number, empty when there was none
};

extern const char *const kContractKinds[3];

// The value as the user writes it ("12 300,50", "12300.5") in grosze; false for anything else.
bool ParseValueNet(const CString &text, long long &grosze);
// "12 300,50".
CString FormatValueNet(long long grosze);
// Said of a net value that is no amount.
extern const char kValueNetRefused[];

// An entry the register may store; otherwise false and a Polish message naming the field.
bool CheckEntry(const ContractEntry &entry, CString &error);

class ContractRegister {
public:
    explicit ContractRegister(const ConnectionPtr &connection);

    // Creates the register's table in a database that has none yet.
    void EnsureTable();
    // Entries whose subject, contractor, CPV code or case number holds the text (any case),
    // newest first; every entry for an empty text.
    std::vector<ContractEntry> Find(const CString &text) const;
    long long Add(const ContractEntry &entry);
    void Change(const ContractEntry &entry);
    void Remove(long long id);

private:
    ConnectionPtr m_connection;
};
