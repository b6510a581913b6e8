// The kinds of what a proceeding window holds, and the three document sets among them
// (contracts, legal remedies, document forms for contractors), which are stored in a
// proceeding data file of their own extension.
#pragma once

#include "framework/core/cstring.h"

class CProject;

const int kKindProceeding = 0;
const int kKindArchive = 1;
const int kKindContracts = 3;
const int kKindExample = 5;
const int kKindRemedies = 6;
const int kKindContractorForms = 8;

struct DocumentSetKind {
    int kind;
    int procedureCode;
    const char *extension;
    const char *filter; // for the save file dialog
    const char *titlePrefix;
    const char *statusText;  // status pane 3
    const char *loadingText; // status pane 0 while the set loads
};

// The set of that kind, nullptr for a kind that is no document set.
const DocumentSetKind *FindDocumentSet(int kind);

// Names the record after the set file at path ("" for a new set: no file name, extension
// "dat", no folder) and gives it the set's procedure code.
void PrepareDocumentSet(const DocumentSetKind &set, const CString &path, CProject &project);
