// The law versions (LawVersionIndex, 16 to 114 named) with their template and configuration
// folders under the program folder, and the file paths of a procedure kind.
// In the path operations a negative index is the newest version; in the name it is not.
#pragma once

#include "framework/core/cstring.h"

namespace LawVersions {

const int kNewest = 114;

CString GetVersionName(int lawVersion);

// "<mainPath>\data\postepowanie<N>.wy", or empty for a kind without a data file.
CString GetDataFilePath(const CString &mainPath, int procedureCode);

// The configuration file of the kind in the version's folder, the bare folder for a kind without
// one, or empty for an unknown version.
CString GetConfigFilePath(const CString &mainPath, int lawVersion, int procedureCode);

// Versions above the newest are the user's own templates.
CString GetTemplateFolder(const CString &mainPath, const CString &userTemplatesPath, int lawVersion);

// Where the user's edited copies of a set's templates lie, under the same relative paths: the
// user-templates folder for the newest set, which it mirrors, and for the user's own set; a
// subfolder named after the set for any older one; empty without a user-templates folder.
CString GetUserTemplateFolder(const CString &userTemplatesPath, const CString &templateFolder);

bool HasTemplatesForVersion(const CString &mainPath, const CString &userTemplatesPath, int lawVersion);
bool HasConfigForVersion(const CString &mainPath, int lawVersion, int procedureCode);

} // namespace LawVersions
