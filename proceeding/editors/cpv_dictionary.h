// The CPV dictionaries: "cpv\cpv.dat" (main) and "cpv\cpv_uzup.dat" (supplementary) under the
// program folder, one "<anything>|<code>|<name>" per line in code page 1250. Reading, filtering
// and the tree by code prefix live here; the dialog only shows them.
#pragma once

#include <vector>

#include "framework/core/cstring.h"

enum CpvDictionaryKind {
    kCpvMainDictionary = 0,
    kCpvSupplementaryDictionary = 1,
};

struct CpvEntry {
    CString code;
    CString name;
};

// "<mainPath>\cpv\cpv.dat" or "<mainPath>\cpv\cpv_uzup.dat".
CString CpvDictionaryPath(const CString &mainPath, int dictionary);

// The search as it is matched: lower case, without blanks at either end.
CString NormalizeCpvSearch(const CString &typed);

// The entries of the file's text in file order. Only lines of exactly three non-empty fields
// count; with a search (already normalized) only those whose code or name holds it.
std::vector<CpvEntry> ParseCpvDictionary(const CString &fileText, const CString &search);

struct CpvDictionaryFile {
    std::vector<CpvEntry> entries;
    // Empty when the file was read whole; else what the user is told.
    CString problem;
    bool missing = false; // the file is not there at all
};

// Reads and parses the dictionary's file. A missing or unreadable file gives no entries, a
// file damaged by a zero byte the entries before it; each with its message.
CpvDictionaryFile ReadCpvDictionary(const CString &mainPath, int dictionary, const CString &search);

// One node of the tree by code prefix: "<code> <name>" under the node at index parent
// (-1: the root). Nodes come in insertion order, each after its parent.
struct CpvTreeNode {
    CString text;
    int parent;
};

// The tree of entries sorted by code: a new first two characters start a node at the root, a
// new third character a node under it, a new fourth a node under that; the rest are leaves
// under the last of these.
std::vector<CpvTreeNode> BuildCpvTree(const std::vector<CpvEntry> &entries);

// What the dialog hands back for a chosen row: code, TAB, name, CR LF.
CString CpvChoiceText(const CString &code, const CString &name);
