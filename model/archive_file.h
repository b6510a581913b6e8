// Record and comment files read and written through an archive with a 4096-byte buffer.
// Writing goes through a temporary file in the same folder, which replaces the old file only
// when everything was written: a failed save leaves the old file as it was.
#pragma once

#include "framework/core/archive.h"
#include "framework/core/cstring.h"

class CKomentarz2;
class CProject;

// Reads the record file into the record; 0 when the file cannot be opened or the record fails
// to load (see CProject::Serialize for the second reading that a failed load asks for).
int ReadProjectFile(CProject &project, const CString &path);
// Writes the record file; 0 when it could not be written whole, the old file then untouched.
int WriteProjectFile(CProject &project, const CString &path);

// The comment file into the table; false when it cannot be opened or read, the table then empty.
bool ReadCommentFile(CKomentarz2 &comments, const CString &path);
bool WriteCommentFile(CKomentarz2 &comments, const CString &path);
