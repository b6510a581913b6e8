// The ready-made texts of the definition list: contract definitions ("definicje.cnf", one
// "name - text" per line) and sample contract scopes ("wzory_umow.cnf", records separated by
// "|", the first line the name and the rest the text). No window here: the dialog shows them.
#pragma once

#include <vector>

#include "framework/core/cstring.h"

enum DefinitionListMode {
    kDefinitionsMode = 0,    // contract definitions
    kContractScopesMode = 1, // sample contract scopes
};

struct DefinitionEntry {
    CString name;
    CString text;
};

// Entries of the file's text, in file order; lines and records that hold no entry are skipped.
std::vector<DefinitionEntry> ParseDefinitions(const CString &fileText);
std::vector<DefinitionEntry> ParseContractScopes(const CString &fileText);

// "<mainPath>\cnf\202509\definicje.cnf" or "...\wzory_umow.cnf".
CString DefinitionFilePath(const CString &mainPath, int mode);

struct DefinitionFile {
    std::vector<DefinitionEntry> entries;
    // Empty when the file was read whole and listed something; else what the user is told.
    CString problem;
};

// Reads and parses the mode's file. A missing or unreadable file gives no entries, a file
// damaged by a zero byte the entries before it; each with its message.
DefinitionFile ReadDefinitionFile(const CString &mainPath, int mode);

// What the dialog hands back for a chosen entry: "name: text" or the name on its own line.
CString ChosenDefinitionText(int mode, const DefinitionEntry &entry);
