// Whether the installation can make a new proceeding of a procedure code: the kind's starting
// data file, its law version's configuration and templates. The wizard asks before it creates
// the proceeding's folder, so that a kind that cannot be made leaves nothing behind.
#pragma once

#include <vector>

#include "model/data_file.h"
#include "framework/core/cstring.h"

// Empty when a proceeding of the code can be made; otherwise what loading its set said.
std::vector<DataFileMessage> CheckNewProceedingSet(const CString &mainPath, const CString &userTemplatesPath,
                                                   int procedureCode);
