// The trace logger of the program's steps.
#pragma once

#include "framework/core/cstring.h"

// Takes the label of a step and keeps nothing.
inline void TraceStep(const CString &) {}
