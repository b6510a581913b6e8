// New empty files with unique names beside a target, "<target>.mvk<n>.tmp", for saves that
// write aside and then replace. No fixed-size buffer: a path of any length is either created
// or refused with the system's error.
#pragma once

#include "framework/core/cstring.h"

// The created file's path; "" when the folder cannot take it (GetLastError tells why).
CString CreateTempFileBeside(const CString &target);

// The pattern every such file of target matches, for removing what a killed save left.
CString TempFilePatternOf(const CString &target);
