#pragma once
// The register's one window: the entries in a list, a search field, the fields of the chosen
// entry and the buttons that add, change, delete, print and export.

#include "tools/wendrix/contract_register.h"

#include <windows.h>

// Runs the window until it closes; the register must be open.
int RunRegisterWindow(ContractRegister &contracts, const CString &programFolder);
