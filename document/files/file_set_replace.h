// Puts several written temporary files in place of their targets all together: either every
// target is replaced, or every target keeps its old content (a locked or read-only target
// stops the whole set before anything changed).
//
// A kill or power cut in the middle cannot tear the set: the new files are flushed, then a
// commit record "<first target>.mvkzapis.tmp" naming every file is written and flushed, and only
// then is each target replaced, in one step, so that no target is ever missing; the record
// goes last. FinishInterruptedSave, run before the
// files are read, completes a set whose record is whole and discards the new files of one
// whose record is not.
#pragma once

#include <vector>

#include "framework/core/cstring.h"

class FileSetReplace {
public:
    FileSetReplace() = default;
    ~FileSetReplace(); // removes the temporary files that were not put in place
    FileSetReplace(const FileSetReplace &) = delete;
    FileSetReplace &operator=(const FileSetReplace &) = delete;

    // A new empty temporary file beside the target, to be written by the caller; "" when it
    // cannot be made. Every target lies in the first target's folder.
    CString AddTarget(const CString &target);

    // True when every target now holds its temporary file; false leaves every target as it was.
    bool Commit();

private:
    struct Entry {
        CString target;
        CString temp;
        CString backup; // the target's old content, kept until the set is in place
        bool placed = false;
    };
    bool Step();
    bool Flush(const CString &path);
    bool KeepOldContent(Entry &entry);
    bool WriteCommitRecord();
    void RollBack();

    std::vector<Entry> m_entries;
    CString m_recordPath;
    bool m_stopped = false; // a test ended the save here: nothing more may touch the disk
};

// Before the files of a set are read: completes a save that was interrupted after its commit
// record was whole, or removes the new files of one interrupted before, and removes what such a
// save left beside the targets ("<target>.mvk*.tmp"). targets are every file a save of the set
// may write, the first one naming the commit record. False when an interrupted save could not
// be completed; failure then holds the file that stopped it.
bool FinishInterruptedSave(const std::vector<CString> &targets, CString &failure);
