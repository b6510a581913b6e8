// The program's title, as the windows and the print preview show it.
#pragma once

#include "framework/core/cstring.h"

// "Morvelank, wrzesień 2025".
CString ProgramTitle();
