// The name of a new proceeding names its folder and its files: "<folder>\<name>\<name>.baz".
#pragma once

#include "framework/core/cstring.h"

// An empty text when the name can name the proceeding's folder and files under the working
// folder; otherwise the message that tells the user why not.
CString CheckProceedingName(const CString &workingPath, const CString &name);
