// The text source of a procedure kind's starting data and comment files (UTF-8, the format
// install-src/README.txt describes), read into code-page-1250 texts.
#pragma once

#include <map>

#include "framework/core/cstring.h"

struct SourceVariable {
    int type = -1;
    CString label;
    CString value;
    int group = -1;
    int selected = -1;
    CString where;      // "<file>:<line>" of its first block
    CString valueWhere; // "<file>:<line>" of the line that gave the value
};

struct KindSource {
    int procedureCode = -1;
    int version = -1;
    std::map<int, SourceVariable> variables; // by variable number
};

// Reads the source and the files it includes. False on the first fault, with error saying
// "<file>:<line>: " and what is wrong.
bool ReadKindSource(const CString &path, KindSource &kind, CString &error);

// An example proceeding's source over its kind, already read: the name from its [przykład]
// block, and new values and selections for the kind's variables. False on the first fault, as
// above; a variable the kind lacks, a type or label, or a date given as "dzisiaj" is one.
bool ReadExampleSource(const CString &path, KindSource &kind, CString &name, CString &error);
