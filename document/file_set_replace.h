// Puts several written temporary files in place of their targets all together: either every
// target is replaced, or every target keeps its old content (a locked or read-only target
// stops the whole set before anything changed).
#pragma once

#include <vector>

#include "framework/core/cstring.h"

class FileSetReplace {
public:
    FileSetReplace() = default;
    ~FileSetReplace(); // removes the temporary files that were not put in place
    FileSetReplace(const FileSetReplace &) = delete;
    FileSetReplace &operator=(const FileSetReplace &) = delete;

    // A new empty temporary file in the target's folder, to be written by the caller; "" when
    // it cannot be made.
    CString AddTarget(const CString &target);

    // True when every target now holds its temporary file; false leaves every target as it was.
    bool Commit();

private:
    struct Entry {
        CString target;
        CString temp;
        CString backup;   // the old target moved aside during the commit
        bool placed = false;
    };
    void RollBack();

    std::vector<Entry> m_entries;
};
