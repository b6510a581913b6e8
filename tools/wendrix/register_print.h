#pragma once
// The register printed as a table on the printer the user chooses.

#include "tools/wendrix/contract_register.h"

#include <windows.h>

#include <vector>

// False when the user cancelled or the printer failed (told to the user here).
bool PrintRegister(HWND owner, const std::vector<ContractEntry> &entries);
