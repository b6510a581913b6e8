// The value of a document-list variable: every document name followed by "|" ("a|b|").
#pragma once

#include <vector>

#include "framework/core/cstring.h"

// Up and down moves work on lists shorter than this.
constexpr int kMaxMovableDocuments = 500;

// The names up to the first empty one; a last name without its "|" still counts.
std::vector<CString> ParseDocumentList(const CString &value);
// Every name followed by "|"; no names give "".
CString JoinDocumentList(const std::vector<CString> &names);
// A typed name as the list keeps it: line breaks and "|", which would split it on the next
// load, become blanks.
CString CleanDocumentName(const CString &typed);
